#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/app_root.h"
#include "test_display_fixture.h"

namespace tw::platform {
namespace {

// The whole program as it starts: every option changed from the menus, "Exit", start again.
TEST(QtDisplayRoundTrip, EveryOptionChangedIsStoredAsTextAndShowsTheSameChartNextTime) {
  if (!test_display::ensureWidgetsApp()) GTEST_SKIP() << "a GUI-only application is running";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ini = dir.filePath("Tidewell.ini");
  const QColor picks[] = {{160, 0, 0}, {0, 160, 0}, {0, 0, 160}, {160, 160, 0}, {255, 240, 224}};
  QImage shown;
  {
    AppRoot root(ini);
    root.start();
    root.form().birthdate2 = root.form().chartdate - 4000;
    int next = 0;
    root.display().dialog().runner = [&](QDialog& d) {
      qobject_cast<QColorDialog*>(&d)->setCurrentColor(picks[next++]);
      return int(QDialog::Accepted);
    };
    for (const char* name :
         {"MenuChartTypeComp", "MenuAgeYears", "MenuSettingWeekSeparators",
          "MenuSettingTodayMarker", "MenuShowPhy", "MenuShowEmo", "MenuShowInt", "MenuShowAve",
          "MenuSettingPhysicalColour", "MenuSettingEmotionalColour",
          "MenuSettingIntellectualColour", "MenuSettingAverageColour",
          "MenuSettingBackgroundColour"})
      root.mainWindow().action(QString::fromLatin1(name))->trigger();
    ASSERT_EQ(next, 5);
    shown = root.mainWindow().surface().image().copy();
    root.mainWindow().action("FileExit")->trigger();
  }

  QSettings file(ini, QSettings::IniFormat);
  const struct {
    const char* key;
    const char* text;
  } stored[] = {
      {"Chart type", " 1"},           {"Physical", "0"},
      {"Emotional", "0"},             {"Intellectual", "0"},
      {"Average", "-1"},              {"Age format", " 2"},
      {"Week separators", "-1"},      {"Today marker", "-1"},
      {"Physical colour", " 160"},    {"Emotional colour", " 40960"},
      {"Intellectual colour", " 10485760"}, {"Average colour", " 41120"},
      {"Background colour", " 14741759"},
  };
  for (const auto& s : stored)
    EXPECT_EQ(file.value(QStringLiteral("Tidewell/") + s.key).toString(), s.text) << s.key;

  AppRoot again(ini);
  again.start();
  EXPECT_TRUE(again.mainWindow().action("MenuChartTypeComp")->isChecked());
  EXPECT_TRUE(again.mainWindow().action("MenuAgeYears")->isChecked());
  const QImage restarted = again.mainWindow().surface().image();
  ASSERT_EQ(restarted.size(), shown.size());
  EXPECT_TRUE(restarted == shown) << "the chart differs after the restart";
}

}  // namespace
}  // namespace tw::platform
