#pragma once
// The real main window with the display, print and save commands plugged in, over scripted
// message boxes and an in-memory store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "mock/fakes.h"
#include "platform/display_wiring.h"
#include "platform/main_window.h"

namespace tw::platform::test_display {

inline bool ensureWidgetsApp() {
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show) ++shows;
    return false;
  }
  int shows = 0;
};

// The real main window and its commands, with scripted message boxes and an in-memory store.
struct CommandWindow : ::testing::Test {
  void SetUp() override {
    if (!ensureWidgetsApp()) GTEST_SKIP() << "a GUI-only application is running";
    ASSERT_TRUE(dir.isValid());
    store.values["Background colour"] = " 8454143";  // RGB 255, 255, 128
    store.values["Birthday1"] = "1/6/1980";
    form2Window = std::make_unique<QWidget>();
    form2Adapter = std::make_unique<QtWindow>(form2Window.get(), kDialogFrame);
    window = std::make_unique<MainWindow>();
    form = std::make_unique<Form1>(
        window->controls(),
        Form1Services{window->surface(), window->measure(), messages, store, clock, program,
                      Locale{}},
        Form1Peers{form5, form6, *form2Adapter});
    window->attach(*form, program);
    wiring = std::make_unique<DisplayWiring>(*window, *form, *form2Adapter);
    form2Shows = std::make_unique<ShowCounter>(form2Window.get());
    form->Form_Load();
    window->show();
  }
  void TearDown() override {
    wiring.reset();
    form.reset();
    window.reset();
    form2Adapter.reset();
    form2Window.reset();
  }
  void resize(double width, double height) {
    window->windowAdapter().setWidth(width);
    window->windowAdapter().setHeight(height);
  }
  QImage screenImage() const { return window->surface().image().convertToFormat(QImage::Format_RGB32); }
  QString path(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir{QDir::tempPath() + "/tw-print-XXXXXX"};
  test::ScriptedMessageBoxes messages;
  test::MemoryStore store;
  test::FixedClock clock{fromYmd(2026, 12, 5)};
  QtProgram program;
  test::FakeWindow form5, form6;
  std::unique_ptr<QWidget> form2Window;  // made once the application exists
  std::unique_ptr<QtWindow> form2Adapter;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Form1> form;
  std::unique_ptr<DisplayWiring> wiring;
  std::unique_ptr<ShowCounter> form2Shows;
};

}  // namespace tw::platform::test_display
