#include "app/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

TEST(MainWindow, AfterAnEmptyStoreExitWritesEveryKeyInItsTextForm) {
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
  f.window.place(-615.5, 435.5, 7140.9, 4590);  // partly on a screen to the left
  f.window.state = ui::WindowState::Maximized;
  f.main.exit();
  EXPECT_EQ(f.window.log.front(), "state 0");  // restored before its geometry is read
  std::string writes;                          // one a line, never the chart date
  for (const auto& [key, text] : f.store.writes) writes += key + "=" + text + "\n";
  EXPECT_EQ(writes,
            "Chart type= 0\nPhysical=-1\nEmotional=-1\nIntellectual=-1\nAverage=0\n"
            "Age format= 0\nWeek separators=0\nToday marker=0\nCritical day marks=0\n"
            "Background colour=-2147483633\nPhysical colour= 255\nEmotional colour= 65280\n"
            "Intellectual colour= 16711680\nAverage colour= 65535\nWindow state= 2\n"
            "Chart width= 7140\nChart height= 4590\nChart X=-616\nChart Y= 435\n"
            "Birthday1=31/1/2001\nBirthname1=Ann\nBirthday2=5/12/2026\nBirthname2=Bo\n"
            "PeopleListWin X= 300\nPeopleListWin Y= 310\n"
            "PeopleEntryWin X= 320\nPeopleEntryWin Y= 330\n");
  // Each window closed once, the store synced once, the program ended once.
  EXPECT_EQ((std::vector<int>{f.peopleListWindow.closeCount, f.personEntryWindow.closeCount,
                              f.printPageWindow.closeCount, f.store.syncs, f.program.ends}),
            std::vector<int>(5, 1));
}

// The readers of each text and the marks of each option have tests of their own.
TEST(MainWindow, RestoresAHandWrittenStore) {
  MainWindowFixture f;
  f.store.values = {{"Chart type", " 1"},        {"Physical colour", "&HZZ"},
                    {"Birthday1", "31/1/2001"},  {"Birthname1", "Ann (née Smith)"},
                    {"Birthday2", "1/1/90"},     {"Chart width", " 9000"},
                    {"Chart height", " 7000"},   {"Window state", " 2"},
                    {"PeopleEntryWin Y", " 450"}};
  f.main.start();
  const ChartState& st = f.main.state();
  EXPECT_EQ(st.options.physicalColour, kRed);  // unreadable: the default
  EXPECT_EQ(st.name, "Ann (née Smith)");
  EXPECT_EQ((std::vector<Date>{st.birthday, st.birthday2, st.chartDate}),
            (std::vector<Date>{fromYmd(2001, 1, 31), fromYmd(1990, 1, 1), f.clock.day}));
  // Geometry first, maximised after it, the chart fitted to the final size.
  EXPECT_EQ(f.window.log, (std::vector<std::string>{"width 9000", "height 7000", "state 2"}));
  EXPECT_EQ(f.picture.width(), 9000 - 350);
  EXPECT_EQ(f.personEntryWindow.top(), 450);
}

// A long text as its first bytes and its length, so that a failure stays readable.
std::string brief(const std::string& text) {
  return text.size() <= 16 ? text
                           : text.substr(0, 8) + "... (" + std::to_string(text.size()) + " bytes)";
}

TEST(MainWindowStartup, StoredValuesOutsideTheirRangesReadAsTheirDefaults) {
  const std::string e = "\xC3\xA9";  // é, two bytes
  std::string e1001, e1000;
  for (int i = 0; i < 1001; ++i) e1001 += e;
  e1000 = e1001.substr(0, 2000);
  const std::string today = dateText(MainWindowFixture{}.clock.day);
  using Pairs = std::vector<std::pair<std::string, std::string>>;  // stored, then written
  const std::pair<const char*, Pairs> keys[] = {
      {"Chart type", {{"41", " 0"}, {"2", " 0"}, {"-1", " 0"}, {"1", " 1"}}},
      {"Age format", {{"29/2/2024", " 0"}, {"3", " 0"}, {"-1", " 0"}, {"2", " 2"}}},
      {"Window state", {{" 7", " 0"}, {"3", " 0"}, {"-1", " 0"}, {"2", " 2"}}},
      {"Physical colour",
       {{"2147483647", " 2147483647"},
        {"2147483648", " 255"},
        {"-2147483649", " 255"},
        {"&H100000000", " 255"},
        {"&HFFFFFFFF", "-1"}}},
      {"Chart X", {{"1", " 1"}, {"0", " 600"}, {"-1", " 600"}}},
      {"Chart Y", {{"-0.4", " 450"}, {"0.6", " 1"}}},
      {"Birthday1",
       {{"1/1/1601", "1/1/1601"},
        {"31/12/1600", today},
        {"31/12/9999", "31/12/9999"},
        {"1/1/10000", today}}},
      {"Birthname1", {{std::string(5000, 'n'), std::string(1000, 'n')}}},
      {"Birthname2", {{e1001, e1000}}},
  };
  for (const auto& [key, pairs] : keys)
    for (const auto& [stored, written] : pairs) {
      MainWindowFixture f;
      f.store.values[key] = stored;
      f.main.start();
      f.main.saveAndClose();
      EXPECT_EQ(brief(f.store.values[key]), brief(written))
          << key << " stored as " << brief(stored);
    }
}

}  // namespace
}  // namespace tw::test
