#pragma once
// Fakes for the outside world of a window: controls, menus, windows, message boxes, the store
// and the clock. Each keeps what was done to it so tests can look.
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/ui.h"

// A getter and a setter over one plain member.
#define TW_FAKE_PROPERTY(T, get, set, member) \
  T get() const override { return member; }   \
  void set(T v) override { member = v; }

namespace tw::test {

class FakeControl : public virtual ui::Control {
 public:
  TW_FAKE_PROPERTY(double, left, setLeft, x)
  TW_FAKE_PROPERTY(double, top, setTop, y)
  TW_FAKE_PROPERTY(double, width, setWidth, w)
  TW_FAKE_PROPERTY(double, height, setHeight, h)
  TW_FAKE_PROPERTY(bool, isVisible, setVisible, visible)
  TW_FAKE_PROPERTY(bool, isEnabled, setEnabled, enabled)
  void setFocus() override {}
  double x = 0, y = 0, w = 0, h = 0;
  bool visible = true, enabled = true;
};

// `date` is what the user picked; tests set it and then run the change handler.
struct FakeDatePicker : FakeControl, ui::DatePicker {
  TW_FAKE_PROPERTY(Date, value, setValue, date)
  bool isBeingTyped() const override { return typing; }
  bool showsDate() const override { return !empty; }
  void showEmpty() override { empty = true; }
  Date date = 0;
  bool typing = false, empty = false;
};

struct FakeTextBox : FakeControl, ui::TextBox {
  std::string text() const override { return value; }
  void setText(const std::string& t) override { value = t; }
  std::string value;
};

struct FakeListBox : FakeControl, ui::ListBox {
  void clear() override { lines.clear(), index = -1; }
  void addItem(const std::string& line) override { lines.push_back(line); }
  int count() const override { return static_cast<int>(lines.size()); }
  std::string line(int i) const override { return lines.at(static_cast<std::size_t>(i)); }
  TW_FAKE_PROPERTY(int, selectedIndex, select, index)
  std::vector<std::string> lines;
  int index = -1;
};

struct FakeMenuItem : ui::MenuItem {
  TW_FAKE_PROPERTY(bool, isChecked, setChecked, checked)
  bool checked = false;
};

// Size changes call onResize at once, as the platform's resize event would; `log` keeps the
// state and size changes in order.
class FakeWindow : public ui::Window {
 public:
  ui::WindowState windowState() const override { return state; }
  void setWindowState(ui::WindowState s) override {
    state = s;
    log.push_back("state " + std::to_string(static_cast<int>(s)));
  }
  TW_FAKE_PROPERTY(double, left, setLeft, x)
  TW_FAKE_PROPERTY(double, top, setTop, y)
  double width() const override { return w; }
  double height() const override { return h; }
  void setWidth(double v) override { resized("width ", w = v); }
  void setHeight(double v) override { resized("height ", h = v); }
  bool isVisible() const override { return visible; }
  void showModal() override {
    visible = true, ++modalCount;
    if (onShowModal) onShowModal();  // what the user does while the window is up
    visible = false;
  }
  void hide() override { visible = false; }
  void close() override { visible = false, ++closeCount; }
  // Sets the place without running the layout pass (the state a test starts from).
  void place(double l, double t, double width, double height) {
    x = l, y = t, w = width, h = height;
  }

  double x = 0, y = 0, w = 0, h = 0;
  ui::WindowState state = ui::WindowState::Normal;
  bool visible = false;
  int modalCount = 0, closeCount = 0;
  std::vector<std::string> log;
  std::function<void()> onResize, onShowModal;

 private:
  void resized(const char* what, double v) {
    log.push_back(what + std::to_string(static_cast<long long>(v)));
    if (onResize) onResize();
  }
};

// How a message box looked: its icon, or a question with Yes and No.
enum class MessageKind { Plain, Information, Warning, Question };

struct ShownMessage {
  std::string text;
  MessageKind kind;
  std::string title;
  bool operator==(const ShownMessage&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const ShownMessage& m) {
    static const char* kinds[] = {"plain", "information", "warning", "question"};
    return o << m.title << " (" << kinds[static_cast<int>(m.kind)] << "): " << m.text;
  }
};
using Shown = std::vector<ShownMessage>;

// Keeps every box shown; questions are answered from a queue, No when it runs dry.
struct ScriptedMessages : ui::Messages {
  void show(const std::string& text, const std::string& title) override {
    record(text, MessageKind::Plain, title);
  }
  void inform(const std::string& text, const std::string& title) override {
    record(text, MessageKind::Information, title);
  }
  void warn(const std::string& text, const std::string& title) override {
    record(text, MessageKind::Warning, title);
  }
  ui::Answer ask(const std::string& question, const std::string& title) override {
    record(question, MessageKind::Question, title);
    if (answers.empty()) return ui::Answer::No;
    const ui::Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  Shown shown;
  std::deque<ui::Answer> answers;
  std::function<void()> onShow;

 private:
  void record(const std::string& text, MessageKind kind, const std::string& title) {
    shown.push_back({text, kind, title});
    if (onShow) onShow();
  }
};

struct MemoryStore : ui::SettingsStore {
  std::string read(const std::string& key, const std::string& def) const override {
    reads.push_back(key);
    auto it = values.find(key);
    return it == values.end() ? def : it->second;
  }
  void write(const std::string& key, const std::string& text) override {
    values[key] = text;
    writes.emplace_back(key, text);
  }
  void sync() override { ++syncs; }
  bool isNew() const override { return values.empty(); }
  void refresh() override {}
  std::map<std::string, std::string> values;
  mutable std::vector<std::string> reads;
  std::vector<std::pair<std::string, std::string>> writes;
  int syncs = 0;
};

struct FixedClock : ui::Clock {
  explicit FixedClock(Date d = 0) : day(d) {}
  Date today() const override { return day; }
  Date day = 0;
};

// One 1920 x 1080 screen unless a test says otherwise.
struct FakeScreens : ui::Screens {
  std::vector<ui::ScreenArea> areas() const override { return list; }
  std::vector<ui::ScreenArea> list{{0, 0, 28800, 16200}};
};

struct FakeProgram : ui::Program {
  void end() override { ++ends; }
  std::string helpFilePath() const override { return "/opt/tidewell/Tidewell.html"; }
  int ends = 0;
};

}  // namespace tw::test
