#pragma once
// The About box over fakes: labels, an icon box, files, a program starter and an in-memory
// registry, and a loader that counts the boxes it made and unloaded.
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>

#include "commands/about_box.h"
#include "commands/help_commands.h"
#include "mock/fakes.h"

namespace tw::test {

struct RegValue {
  std::uint32_t type;
  std::string bytes;
};

// A text with its closing NUL, as the registry usually stores one.
inline RegValue regText(const std::string& text) { return {REG_SZ, text + std::string(1, '\0')}; }

// Keys under a root hold typed values as raw bytes; it hands out handles and keeps which are open.
struct FakeRegistry : Registry {
  void set(HKEY root, const std::string& key, const std::string& name, RegValue value) {
    keys[{root, key}][name] = std::move(value);
  }
  std::int32_t RegOpenKeyEx(HKEY root, const std::string& subKey, std::uint32_t, std::uint32_t,
                            HKEY& result) override {
    if (throwOnOpen) throw std::runtime_error("registry failed");
    auto it = keys.find({root, subKey});
    if (it == keys.end()) return ERROR_FILE_NOT_FOUND;
    handles[result = nextHandle++] = &it->second;
    return ERROR_SUCCESS;
  }
  std::int32_t RegQueryValueEx(HKEY key, const std::string& name, std::uint32_t& type, char* data,
                               std::uint32_t& size) override {
    const auto h = handles.find(key);
    if (h == handles.end()) return 6;  // an invalid handle
    const auto v = h->second->find(name);
    if (v == h->second->end()) return ERROR_FILE_NOT_FOUND;
    if (v->second.bytes.size() > size) return 234;  // more data
    std::memcpy(data, v->second.bytes.data(), v->second.bytes.size());
    type = v->second.type;
    size = static_cast<std::uint32_t>(v->second.bytes.size());
    return ERROR_SUCCESS;
  }
  std::int32_t RegCloseKey(HKEY key) override { return handles.erase(key) ? ERROR_SUCCESS : 6; }

  std::map<std::pair<HKEY, std::string>, std::map<std::string, RegValue>> keys;
  std::map<HKEY, std::map<std::string, RegValue>*> handles;  // the open ones
  bool throwOnOpen = false;
  HKEY nextHandle = 0x100;
};

struct FakeCaption : Caption {
  std::string caption() const override { return text; }
  void setCaption(const std::string& t) override { text = t; }
  std::string text;
};

// Only records the paintings; the Qt box's test checks the pixels.
struct FakePictureBox : PictureBox {
  double ScaleWidth() const override { return 4; }
  double ScaleHeight() const override { return 3; }
  void PaintPicture(double x1, double y1, double w1, double h1, double x2, double y2, double w2,
                    double h2, std::uint32_t rop) override {
    calls.push_back({x1, y1, w1, h1, x2, y2, w2, h2, static_cast<double>(rop)});
  }
  std::vector<std::vector<double>> calls;
};

struct FakeFiles : FileLookup {
  bool FileExists(const std::string& path) const override { return files.count(path) > 0; }
  std::set<std::string> files;
};

struct FakeStarter : ProgramStarter {
  bool Shell(const std::string& path, int style) override {
    started.push_back(style == vbNormalFocus ? path : "wrong style: " + path);
    return works;
  }
  std::vector<std::string> started;
  bool works = true;
};

// A box over the fakes above, or over a real registry and file lookup when given.
struct AboutFixture {
  explicit AboutFixture(Registry* reg = nullptr, const FileLookup* fl = nullptr)
      : main{AboutBoxControls{window, icon, title, notice, contact},
             AboutBoxServices{reg ? *reg : registry, fl ? *fl : files, starter, messages}} {}
  FakeWindow window;
  FakePictureBox icon;
  FakeCaption title, notice, contact;
  FakeRegistry registry;
  FakeFiles files;
  FakeStarter starter;
  ScriptedMessages messages;
  AboutBox main;
};

// Each Load makes a fresh box over its own fakes, as the platform makes a fresh dialog.
class FakeAboutLoader : public AboutBoxLoader {
  struct Owner {
    std::unique_ptr<AboutFixture> box = std::make_unique<AboutFixture>();
  };
  struct Loaded : Owner, AboutBox {
    explicit Loaded(FakeAboutLoader& l) : AboutBox(box->main), loader(l) {}
    ~Loaded() override { ++loader.unloaded; }
    FakeAboutLoader& loader;
  };

 public:
  std::unique_ptr<AboutBox> Load() override {
    ++loaded;
    auto b = std::make_unique<Loaded>(*this);
    if (onLoad) onLoad(*b->box);
    return b;
  }
  int loaded = 0, unloaded = 0;
  std::function<void(AboutFixture&)> onLoad;
};

}  // namespace tw::test
