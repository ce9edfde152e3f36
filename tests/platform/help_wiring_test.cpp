#include "platform/help_wiring.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

  // Once a modal box is up: note its title and text and close it with its OK button.
  QString shown;
  const auto answerNextBox = [&] {
    QTimer::singleShot(0, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      auto* box = qobject_cast<QMessageBox*>(w);
      shown = w->windowTitle() + (box ? "|" + box->text() : "");
      for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == "OK") return b->click();
    });
  };
  answerNextBox();
  ChartOptions options = root.mainWindow().state().options;
  options.showEmotional = false;
  root.mainWindow().applyOptions(options);
  window.action("chartKey")->trigger();
  EXPECT_EQ(shown, "Chart key|P=Physical\nI=Intellectual");
  answerNextBox();
  window.action("about")->trigger();
  EXPECT_EQ(shown, "About Tidewell");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tw::platform
