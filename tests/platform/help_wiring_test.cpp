#include "platform/help_wiring.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "platform/app_root.h"
#include "platform/help_window.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(HelpMenu, EachItemRunsItsCommand) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  auto& window = root.view();
  window.action("helpIndex")->trigger();
  const QWidgetList windows = QApplication::topLevelWidgets();
  EXPECT_EQ(std::ranges::count_if(windows, [](QWidget* w) { return dynamic_cast<HelpWindow*>(w) && w->isVisible(); }), 1);

  // The title and text of the box an item opens, closed at once.
  const auto boxOf = [&](const char* item) {
    QString shown;
    QTimer::singleShot(0, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      auto* box = qobject_cast<QMessageBox*>(w);
      shown = w->windowTitle() + (box ? "|" + box->text() : "");
      w->close();
    });
    window.action(item)->trigger();
    return shown;
  };
  ChartOptions options = root.mainWindow().state().options;
  options.showEmotional = false;
  root.mainWindow().applyOptions(options);
  EXPECT_EQ(boxOf("chartKey"), "Chart key|P=Physical\nI=Intellectual");
  EXPECT_EQ(boxOf("about"), "About Tidewell");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tw::platform
