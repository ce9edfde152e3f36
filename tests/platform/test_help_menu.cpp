#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/app_root.h"
#include "platform/help_window.h"

#include "qt_app.h"

namespace {

using tw::platform::AppRoot;
using tw::platform::HelpWindow;

void ensureApp() { tw::test::qtApp(); }

HelpWindow* helpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = dynamic_cast<HelpWindow*>(w)) return h;
  return nullptr;
}

struct Seen {
  QString title, text;
  bool modal = false;
};

// Once the modal box is up: note what it shows and close it with its OK button.
void answerNextBox(Seen& seen) {
  QTimer::singleShot(0, [&seen] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    seen.title = w->windowTitle();
    seen.modal = true;
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      seen.text = box->text();
      box->button(QMessageBox::Ok)->click();
      return;
    }
    if (auto* l = w->findChild<QLabel*>()) seen.text = l->text();
    for (auto* b : w->findChildren<QPushButton*>())
      if (b->text() == "OK") b->click();
  });
}

TEST(HelpMenu, EachItemRunsItsCommand) {
  ensureApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  auto& window = root.mainWindow();

  window.action("MenuHelpContents")->trigger();
  HelpWindow* help = helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->onFinder());
  EXPECT_TRUE(window.isVisible()) << "the viewer took the main window's place";

  window.action("MenuHelpIndex")->trigger();
  EXPECT_EQ(helpWindow(), help);
  EXPECT_TRUE(help->onFinder() || !help->fileLoaded());

  Seen key;
  answerNextBox(key);
  root.form().ChartOptions.showEmotional = false;
  window.action("HelpChartKey")->trigger();
  EXPECT_EQ(key.title, "Chart key");
  EXPECT_EQ(key.text, "P=Physical\nI=Intellectual");

  Seen about;
  answerNextBox(about);
  window.action("HelpAbout")->trigger();
  EXPECT_TRUE(about.modal);
  EXPECT_EQ(about.title, "About Tidewell");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
