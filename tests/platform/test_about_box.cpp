#include "platform/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "mock/about_fakes.h"

#include "qt_app.h"

namespace {

using namespace tw;
using tw::platform::QtAboutBox;

void ensureApp() { tw::test::qtApp(); }

void doubleClick(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

struct AboutBoxTest : ::testing::Test {
  struct App {
    App() { ensureApp(); }
  } app;  // before any widget
  test::FakeRegistry registry;
  test::FakeFiles files;
  test::FakeStarter starter;
  QtAboutBox box{nullptr, registry, files, starter};
};

TEST_F(AboutBoxTest, HasItsCaptionIconLabelsLineAndButtons) {
  box.Form_Load();
  EXPECT_EQ(box.dialog->windowTitle(), "About Tidewell");
  EXPECT_EQ(box.picIcon->size(), QSize(32, 32));
  EXPECT_EQ(box.lblTitle->text(), "Tidewell 1.3.18");
  for (QLabel* l : {box.lblNotice, box.lblContact}) {
    EXPECT_EQ(l->text().count('\n'), 1) << l->text().toStdString();
    EXPECT_FALSE(l->text().contains('\r'));
  }
  EXPECT_EQ(box.Line1->frameShape(), QFrame::HLine);
  EXPECT_EQ(box.cmdOK->text(), "OK");
  EXPECT_EQ(box.cmdSysInfo->text(), "&System Info...");
}

TEST_F(AboutBoxTest, DoubleClickingTheIconInvertsItAndASecondTimeRestoresIt) {
  const QImage original = box.picIcon->picture();
  ASSERT_EQ(original.size(), QSize(32, 32));
  ASSERT_GT(original.pixel(16, 16) & 0xFFFFFF, 0u);  // the icon is drawn, not a blank
  ASSERT_NE(original.pixel(16, 16), original.pixel(0, 0));

  doubleClick(box.picIcon);
  const QImage inverted = box.picIcon->shown();
  int wrong = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      wrong += (inverted.pixel(x, y) & 0xFFFFFF) != (~original.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(wrong, 0);

  doubleClick(box.picIcon);
  EXPECT_EQ(box.picIcon->shown(), original);
}

TEST_F(AboutBoxTest, ButtonsRunTheirHandlers) {
  registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
               test::regText("/usr/bin/hardinfo"));
  box.cmdSysInfo->click();
  EXPECT_EQ(starter.started, std::vector<std::string>{"/usr/bin/hardinfo"});

  box.dialog->show();
  box.cmdOK->click();
  EXPECT_FALSE(box.dialog->isVisible());
}

}  // namespace
