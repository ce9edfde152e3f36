#include <gtest/gtest.h>

#include <QColorDialog>
#include <QGuiApplication>
#include <QPalette>
#include <functional>

#include "test_display_fixture.h"

namespace tw::platform {
namespace {

using QtDisplaySettings = test_display::CommandWindow;

TEST_F(QtDisplaySettings, EveryMenuItemRunsItsCommand) {
  using Check = std::function<bool(const ChartOptionsRecord&)>;
  const struct {
    const char* name;
    Check changed;
  } items[] = {
      {"MenuChartTypeComp", [](auto& o) { return o.chartType == 1; }},
      {"MenuChartTypeBio", [](auto& o) { return o.chartType == 0; }},
      {"MenuAgeWeeks", [](auto& o) { return o.ageFormat == 1; }},
      {"MenuAgeYears", [](auto& o) { return o.ageFormat == 2; }},
      {"MenuAgeDays", [](auto& o) { return o.ageFormat == 0; }},
      {"MenuSettingWeekSeparators", [](auto& o) { return o.weekSeparators; }},
      {"MenuSettingTodayMarker", [](auto& o) { return o.todayMarker; }},
      {"MenuShowPhy", [](auto& o) { return !o.showPhysical; }},
      {"MenuShowEmo", [](auto& o) { return !o.showEmotional; }},
      {"MenuShowInt", [](auto& o) { return !o.showIntellectual; }},
      {"MenuShowAve", [](auto& o) { return o.showAverage; }},
      {"MenuSettingPhysicalColour", [](auto& o) { return o.physicalColour == 0x030201; }},
      {"MenuSettingEmotionalColour", [](auto& o) { return o.emotionalColour == 0x030201; }},
      {"MenuSettingIntellectualColour", [](auto& o) { return o.intellectualColour == 0x030201; }},
      {"MenuSettingAverageColour", [](auto& o) { return o.averageColour == 0x030201; }},
      {"MenuSettingBackgroundColour", [](auto& o) { return o.backgroundColour == 0x030201; }},
      {"MenuSettingResetColours", [](auto& o) { return o.backgroundColour == kButtonFace; }},
  };
  wiring->dialog().runner = [](QDialog& d) {
    qobject_cast<QColorDialog*>(&d)->setCurrentColor(QColor(1, 2, 3));
    return int(QDialog::Accepted);
  };
  form->birthdate2 = form->chartdate;  // no refusal on the switch
  for (const auto& item : items) {
    SCOPED_TRACE(item.name);
    QAction* action = window->action(QString::fromLatin1(item.name));
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_TRUE(item.changed(form->ChartOptions));
  }
}

TEST_F(QtDisplaySettings, CheckMarksFollowTheOptionsNotQtsOwnToggle) {
  QAction* weeks = window->action("MenuAgeWeeks");
  weeks->trigger();
  weeks->trigger();
  EXPECT_TRUE(weeks->isChecked());
  EXPECT_FALSE(window->action("MenuAgeDays")->isChecked());
  EXPECT_FALSE(window->action("MenuAgeYears")->isChecked());

  QAction* phy = window->action("MenuShowPhy");
  phy->trigger();
  EXPECT_FALSE(phy->isChecked());
  EXPECT_FALSE(form->ChartOptions.showPhysical);

  form->birthdate2 = form->chartdate + 3;
  window->action("MenuChartTypeComp")->trigger();
  EXPECT_TRUE(window->action("MenuChartTypeComp")->isChecked());
  EXPECT_FALSE(window->action("MenuChartTypeBio")->isChecked());
  EXPECT_TRUE(window->findChild<QWidget*>("DTPicker2")->isVisible());
  EXPECT_TRUE(window->findChild<QWidget*>("Command2")->isVisible());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(form->chartdate, form->birthdate2);
}

TEST_F(QtDisplaySettings, ColourDialogOpensOnTheShownColourAndCancelKeepsIt) {
  // The store's background is RGB 255, 255, 128; start again from the button face.
  window->action("MenuSettingResetColours")->trigger();
  const QColor buttonFace = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  ASSERT_EQ(QColor(window->surface().image().pixel(1, 1)), buttonFace);

  QColor opened;
  bool confirm = false;
  wiring->dialog().runner = [&](QDialog& d) {
    auto* colours = qobject_cast<QColorDialog*>(&d);
    opened = colours->currentColor();
    colours->setCurrentColor(QColor(10, 20, 30));
    return int(confirm ? QDialog::Accepted : QDialog::Rejected);
  };
  QAction* background = window->action("MenuSettingBackgroundColour");
  background->trigger();
  EXPECT_EQ(opened, buttonFace);
  EXPECT_EQ(form->ChartOptions.backgroundColour, kButtonFace);
  EXPECT_EQ(QColor(window->surface().image().pixel(1, 1)), buttonFace);

  confirm = true;
  background->trigger();
  EXPECT_EQ(form->ChartOptions.backgroundColour, rgb(10, 20, 30));
  EXPECT_EQ(QColor(window->surface().image().pixel(1, 1)), QColor(10, 20, 30));

  // A direct colour opens as itself.
  background->trigger();
  EXPECT_EQ(opened, QColor(10, 20, 30));
}

}  // namespace
}  // namespace tw::platform
