#include "commands/display_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Command = void (DisplaySettings::*)();
using D = DisplaySettings;

TEST(DisplaySettings, EveryCommandShowsItsChangeWithOneRedraw) {
  // From a comparison chart with the age in years, every command has something to change.
  const std::string curves = "physicalCurve emotionalCurve intellectualCurve";
  const std::string pair = "comparisonChart " + curves,
                    controls = " birthday2Picker birthday2Button";
  const std::string start = pair + " ageInYears" + controls;
  const struct {
    const char* what;
    Command run;
    std::string marks;
  } cases[] = {
      {"biorhythm chart", &D::showBiorhythmChart, "biorhythmChart " + curves + " ageInYears"},
      {"comparison chart again", &D::showComparisonChart, start},
      {"days", &D::showAgeInDays, pair + " ageInDays" + controls},
      {"years again", &D::showAgeInYears, start},  // a choice already made stays the only tick
      {"week separators", &D::toggleWeekSeparators, pair + " ageInYears weekSeparators" + controls},
      {"today marker", &D::toggleTodayMarker, pair + " ageInYears todayMarker" + controls},
      {"critical day marks", &D::toggleCriticalDayMarks,
       pair + " ageInYears criticalDayMarks" + controls},
      {"physical", &D::togglePhysicalCurve,
       "comparisonChart emotionalCurve intellectualCurve ageInYears" + controls},
      {"average", &D::toggleAverageCurve, pair + " averageCurve ageInYears" + controls},
      {"background colour", &D::chooseBackgroundColour, start},
      {"reset colours", &D::resetColours, start},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindowFixture f;
    f.store.values = {{"Chart type", " 1"}, {"Age format", " 2"}, {"Background colour", " 7"}};
    f.load();
    ASSERT_EQ(f.marks(), start);
    f.dialog.answers = {{true, 0x123456, ""}};
    const int before = f.redraws();
    (f.settings.*c.run)();
    EXPECT_EQ(f.marks(), c.marks);
    EXPECT_EQ(f.redraws(), before + 1);
    EXPECT_EQ(f.messages.shown, Shown{});
  }
}

TEST(DisplaySettings,
     ComparisonChartRefusesAChartDateBeforeTheSecondBirthdayOnlyAfterShowingItsControls) {
  const Date birthday2 = fromYmd(2027, 3, 1);
  for (int offset : {-400, -1, 0}) {
    SCOPED_TRACE(offset);
    MainWindowFixture f;
    // The first birthday is later than every chart date here: it is not examined.
    f.startWith(birthday2 + 1000, birthday2, birthday2 + offset);
    std::string marksAtMessage;
    f.messages.onShow = [&] { marksAtMessage = f.marks(); };
    f.settings.showComparisonChart();
    EXPECT_EQ(f.main.state().chartDate, offset < 0 ? birthday2 : birthday2 + offset);
    EXPECT_EQ(f.messages.shown.size(), offset < 0 ? 1u : 0u);
    EXPECT_EQ(marksAtMessage, offset < 0 ? f.marks() : "");
  }
}

}  // namespace
}  // namespace tw::test
