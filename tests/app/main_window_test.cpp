#include "app/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(MainWindow, AnEmptyStoreGivesTodayAndTheDefaultsAndExitWritesEveryKeyInItsTextForm) {
  MainWindowFixture f;
  f.store.values = {{"Birthname2", "Bo"}};
  f.main.start();
  const Date today = f.clock.day;
  const ChartState& st = f.main.state();
  EXPECT_EQ((std::vector<Date>{st.birthday, st.birthday2, st.chartDate, f.birthdayPicker.value(),
                               f.chartDatePicker.value()}),
            std::vector<Date>(5, today));
  EXPECT_EQ(f.main.helpFile(), f.program.helpFilePath());
  EXPECT_EQ(f.marks(), "biorhythmChart physicalCurve emotionalCurve intellectualCurve ageInDays");
  // No stored geometry: the window keeps its place and is not maximised.
  EXPECT_EQ(f.window.log, std::vector<std::string>{});
  EXPECT_EQ(f.redraws(), 1);

  f.main.takeChosenPerson(fromYmd(2001, 1, 31), "Ann");
  f.main.goNextDay();
  f.peopleListWindow.place(300, 310, 4680, 3900);
  f.personEntryWindow.place(320.7, 330, 3510, 2000);
  f.window.place(615, 435.5, 7140.9, 4590);
  f.window.state = ui::WindowState::Maximized;
  f.main.exit();
  EXPECT_EQ(f.window.log.front(), "state 0");  // restored before its geometry is read
  EXPECT_EQ(f.store.writes, (Writes{  // never the chart date
      {"Chart type", " 0"}, {"Physical", "-1"}, {"Emotional", "-1"}, {"Intellectual", "-1"},
      {"Average", "0"}, {"Age format", " 0"}, {"Week separators", "0"}, {"Today marker", "0"},
      {"Background colour", "-2147483633"}, {"Physical colour", " 255"},
      {"Emotional colour", " 65280"}, {"Intellectual colour", " 16711680"},
      {"Average colour", " 65535"}, {"Window state", " 2"}, {"Chart width", " 7140"},
      {"Chart height", " 4590"}, {"Chart X", " 615"}, {"Chart Y", " 435"},
      {"Birthday1", "31/1/2001"}, {"Birthname1", "Ann"}, {"Birthday2", dateText(today)},
      {"Birthname2", "Bo"}, {"PeopleListWin X", " 300"}, {"PeopleListWin Y", " 310"},
      {"PeopleEntryWin X", " 320"}, {"PeopleEntryWin Y", " 330"}}));
  EXPECT_EQ(f.peopleListWindow.closeCount, 1);
  EXPECT_EQ(f.personEntryWindow.closeCount, 1);
  EXPECT_EQ(f.printPageWindow.closeCount, 1);
  EXPECT_EQ(f.store.syncs, 1);
  EXPECT_EQ(f.program.ends, 1);
}

TEST(MainWindow, RestoresAHandWrittenStore) {
  MainWindowFixture f;
  f.store.values = {{"Chart type", " 1"}, {"Physical", "1"}, {"Average", "-1"}, {"Age format", " 2"},
                    {"Today marker", "-1"}, {"Background colour", "&HFF"}, {"Birthday1", "31/1/2001"},
                    {"Birthname1", "Ann (née Smith)"}, {"Birthday2", "1/1/90"}, {"Chart width", " 9000"},
                    {"Chart height", " 7000"}, {"Chart X", " 0"}, {"Chart Y", "-15"}, {"Window state", " 2"},
                    {"PeopleListWin X", " 300"}, {"PeopleEntryWin Y", " 450"}, {"Emotional", "1e999"},
                    {"Physical colour", "&HZZ"}};
  f.main.start();
  const ChartState& st = f.main.state();
  EXPECT_EQ(st.options.backgroundColour, 255);
  EXPECT_EQ(st.options.physicalColour, kRed);  // unreadable: the default
  EXPECT_EQ(st.name, "Ann (née Smith)");
  EXPECT_EQ((std::vector<Date>{st.birthday, st.birthday2, st.chartDate}),
            (std::vector<Date>{fromYmd(2001, 1, 31), fromYmd(1990, 1, 1), f.clock.day}));
  EXPECT_EQ(f.marks(), "comparisonChart physicalCurve intellectualCurve averageCurve ageInYears todayMarker "
                      "birthday2Picker birthday2Button");
  // 0 and negative positions are not applied.
  EXPECT_EQ(f.window.left(), 600);
  EXPECT_EQ(f.window.top(), 450);
  EXPECT_EQ(f.peopleListWindow.left(), 300);
  EXPECT_EQ(f.personEntryWindow.top(), 450);
  // Geometry first, maximised after it, the chart fitted to the final size.
  EXPECT_EQ(f.window.log, (std::vector<std::string>{"width 9000", "height 7000", "state 2"}));
  EXPECT_EQ(f.picture.width(), 9000 - 350);
}

}  // namespace
}  // namespace tw::test
