#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// The names of the ticked menu items, in the menus' order.
std::string checkMarks(const MainWindowFixture& f) {
  const std::pair<const char*, const FakeMenuItem&> items[] = {
      {"biorhythmChart", f.bio}, {"comparisonChart", f.comp}, {"physicalCurve", f.phy},
      {"emotionalCurve", f.emo}, {"intellectualCurve", f.intl}, {"averageCurve", f.ave},
      {"ageInDays", f.days}, {"ageInWeeks", f.weeks}, {"ageInYears", f.years},
      {"weekSeparators", f.weekSep}, {"todayMarker", f.todayMark}};
  std::string out;
  for (const auto& [name, item] : items)
    if (item.checked) out += (out.empty() ? "" : " ") + std::string(name);
  return out;
}

TEST(MainWindowStartup, ReadsEveryKeyInOrderAndShutDownWritesThemBackInTheirTextForms) {
  MainWindowFixture f;
  f.store.values = {{"Physical colour", "&HFF"}, {"Birthname2", "Bo"}};
  f.main.start();
  EXPECT_EQ(f.store.reads, (std::vector<std::string>{
      "Chart type", "Physical", "Emotional", "Intellectual", "Average", "Age format", "Week separators",
      "Today marker", "Background colour", "Physical colour", "Emotional colour", "Intellectual colour",
      "Average colour", "Birthday1", "Birthname1", "Birthday2", "Birthname2", "Chart width", "Chart height",
      "Chart X", "Chart Y", "Window state", "PeopleListWin X", "PeopleListWin Y", "PeopleEntryWin X",
      "PeopleEntryWin Y"}));
  const Date today = f.clock.day;
  const ChartState& st = f.main.state();
  EXPECT_EQ((std::vector<Date>{st.birthday, st.birthday2, st.chartDate, f.birthdayPicker.value(), f.chartDatePicker.value()}),
            std::vector<Date>(5, today));
  EXPECT_EQ(st.name, "");
  EXPECT_EQ(f.main.helpFile(), f.program.helpFilePath());
  EXPECT_EQ(checkMarks(f), "biorhythmChart physicalCurve emotionalCurve intellectualCurve ageInDays");
  EXPECT_FALSE(f.birthday2Picker.isVisible());
  EXPECT_FALSE(f.birthday2Button.isVisible());
  // No stored geometry: the window keeps its place and is not maximised.
  EXPECT_EQ(f.window.log, std::vector<std::string>{});
  EXPECT_EQ(f.window.left(), 600);
  EXPECT_EQ(f.window.top(), 450);
  EXPECT_EQ(f.redraws(), 1);
  EXPECT_EQ(f.messages.shown, Shown{});

  f.main.takeChosenPerson(fromYmd(2001, 1, 31), "Ann");
  f.main.goNextDay(), f.main.goNextDay(), f.main.goNextDay();
  f.peopleListWindow.place(300, 310, 4680, 3900);
  f.personEntryWindow.place(320.7, 330, 3510, 2000);
  f.window.place(615, 435.5, 7140.9, 4590);
  f.store.writes.clear();
  f.main.saveAndClose();
  EXPECT_EQ(f.store.writes, (Writes{  // never the chart date
      {"Chart type", " 0"}, {"Physical", "-1"}, {"Emotional", "-1"}, {"Intellectual", "-1"}, {"Average", "0"},
      {"Age format", " 0"}, {"Week separators", "0"}, {"Today marker", "0"}, {"Background colour", "-2147483633"},
      {"Physical colour", " 255"}, {"Emotional colour", " 65280"}, {"Intellectual colour", " 16711680"},
      {"Average colour", " 65535"}, {"Window state", " 0"}, {"Chart width", " 7140"}, {"Chart height", " 4590"},
      {"Chart X", " 615"}, {"Chart Y", " 435"}, {"Birthday1", "31/1/2001"}, {"Birthname1", "Ann"},
      {"Birthday2", dateText(today)}, {"Birthname2", "Bo"}, {"PeopleListWin X", " 300"},
      {"PeopleListWin Y", " 310"}, {"PeopleEntryWin X", " 320"}, {"PeopleEntryWin Y", " 330"}}));
  EXPECT_EQ(f.peopleListWindow.closeCount + f.personEntryWindow.closeCount + f.printPageWindow.closeCount, 3);
  EXPECT_EQ(f.store.syncs, 1);
}

TEST(MainWindowStartup, RestoresAHandWrittenStore) {
  MainWindowFixture f;
  f.store.values = {{"Chart type", " 1"}, {"Physical", "1"}, {"Average", "-1"}, {"Age format", " 2"},
                    {"Today marker", "-1"}, {"Background colour", "&HFF"}, {"Birthday1", "31/1/2001"},
                    {"Birthname1", "Ann (née Smith)"}, {"Birthday2", "1/1/90"}, {"Chart width", " 9000"},
                    {"Chart height", " 7000"}, {"Chart X", " 0"}, {"Chart Y", "-15"}, {"Window state", " 2"},
                    {"PeopleListWin X", " 300"}, {"PeopleEntryWin Y", " 450"}};
  f.main.start();
  const ChartState& st = f.main.state();
  EXPECT_EQ(st.options.backgroundColour, 255);
  EXPECT_EQ(st.name, "Ann (née Smith)");
  EXPECT_EQ((std::vector<Date>{st.birthday, st.birthday2, st.chartDate}),
            (std::vector<Date>{fromYmd(2001, 1, 31), fromYmd(1990, 1, 1), f.clock.day}));
  EXPECT_EQ(checkMarks(f), "comparisonChart physicalCurve emotionalCurve intellectualCurve averageCurve "
                           "ageInYears todayMarker");
  EXPECT_TRUE(f.birthday2Picker.isVisible());
  EXPECT_TRUE(f.birthday2Button.isVisible());
  // 0 and negative positions are not applied.
  EXPECT_EQ((std::vector<double>{f.window.left(), f.window.top(), f.peopleListWindow.left(), f.personEntryWindow.top()}),
            (std::vector<double>{600, 450, 300, 450}));
  // Geometry first, maximised after it, the picture fitted to the final size.
  EXPECT_EQ(f.window.log, (std::vector<std::string>{"width 9000", "height 7000", "state 2"}));
  EXPECT_EQ(f.picture.width(), 9000 - 350);
}

TEST(MainWindowStartup, GarbageInEveryKeyGivesDefaultsAndValidTextOnClose) {
  MainWindowFixture f;
  for (const char* key : {"Chart type", "Physical", "Age format", "Background colour",
                          "Physical colour", "Birthday1", "Birthday2", "Chart width", "Chart X",
                          "Window state", "PeopleListWin X"})
    f.store.values[key] = "&HZZ";
  f.store.values["Emotional"] = "1e999";
  f.store.values["Average colour"] = f.store.values["Chart height"] = "99999999999";
  f.main.start();
  const ChartOptions& o = f.main.state().options;
  // A Boolean that is not a number is False.
  EXPECT_EQ(checkMarks(f), "biorhythmChart intellectualCurve ageInDays");
  EXPECT_EQ((std::vector<Colour>{o.backgroundColour, o.physicalColour, o.averageColour}),
            (std::vector<Colour>{kButtonFace, kRed, kYellow}));
  EXPECT_EQ(f.main.state().birthday, f.clock.day);
  EXPECT_EQ(f.window.width(), 7140);
  EXPECT_EQ(f.window.height(), 4590);
  f.main.saveAndClose();
  EXPECT_EQ((std::vector<std::string>{f.store.values["Physical"], f.store.values["Background colour"],
                                      f.store.values["Birthday1"], f.store.values["Chart height"]}),
            (std::vector<std::string>{"0", "-2147483633", dateText(f.clock.day), " 4590"}));
}

TEST(MainWindowShutdown, ANonNormalWindowIsStoredThenRestoredAndExitEndsTheProgram) {
  for (ui::WindowState state : {ui::WindowState::Minimized, ui::WindowState::Maximized}) {
    MainWindowFixture f;
    f.main.start();
    f.window.state = state;
    f.main.exit();
    EXPECT_EQ(f.store.values["Window state"], " " + std::to_string(static_cast<int>(state)));
    EXPECT_EQ(f.window.log.front(), "state 0");  // before the geometry is read
    EXPECT_EQ(f.store.syncs, 1);
    EXPECT_EQ(f.program.ends, 1);
  }
}


// A long text as its first bytes and its length, so that a failure stays readable.
std::string brief(const std::string& text) {
  return text.size() <= 16 ? text : text.substr(0, 8) + "... (" + std::to_string(text.size()) + " bytes)";
}

TEST(MainWindowStartup, OptionsOutOfRangeReadAsTheirDefaultsAndLongNamesAreCut) {
  const std::string e = "\xC3\xA9";  // é, two bytes
  std::string e1001, e1000;
  for (int i = 0; i < 1001; ++i) e1001 += e;
  e1000 = e1001.substr(0, 2000);
  const struct { const char* what; const char* key; std::string stored, written; } cases[] = {
      {"chart type 41, from a hand-written \\u0041", "Chart type", "41", " 0"},
      {"chart type below 0", "Chart type", "-1", " 0"},
      {"age format from a date", "Age format", "29/2/2024", " 0"},
      {"age format in range", "Age format", " 2", " 2"},
      {"window state 7", "Window state", " 7", " 0"},
      {"a name of 5000 characters", "Birthname1", std::string(5000, 'n'), std::string(1000, 'n')},
      {"a name of 1001 two-byte characters", "Birthname2", e1001, e1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindowFixture f;
    f.store.values[c.key] = c.stored;
    f.main.start();
    f.main.saveAndClose();
    EXPECT_EQ(brief(f.store.values[c.key]), brief(c.written));
  }
}

// Left, top, width and height of a window.
std::vector<double> placeOf(const FakeWindow& w) { return {w.left(), w.top(), w.width(), w.height()}; }

TEST(MainWindowStartup, StoredGeometryIsFittedToTheScreensOfToday) {
  const ui::ScreenArea wide{0, 0, 24000, 15000}, right{24000, 0, 28800, 16200};  // 1600 x 1000, 1920 x 1080
  const struct {
    const char* what;
    std::vector<ui::ScreenArea> screens;
    std::map<std::string, std::string> stored;
    std::vector<double> main, peopleList;
  } cases[] = {
      {"1999999 twips square", {wide}, {{"Chart width", "1999999"}, {"Chart height", "1999999"}},
       {0, 0, 24000, 15000}, {300, 300, 4680, 3855}},
      {"1400 x 900 pixels at 1132,736", {wide},
       {{"Chart X", "16980"}, {"Chart Y", "11040"}, {"Chart width", "21000"}, {"Chart height", "13500"}},
       {3000, 1500, 21000, 13500}, {300, 300, 4680, 3855}},
      {"mostly on the second screen, which fits it", {wide, right},
       {{"Chart X", "30000"}, {"Chart Y", "900"}, {"PeopleListWin X", "50000"}, {"PeopleListWin Y", "15000"}},
       {30000, 900, 7140, 4590}, {48120, 12345, 4680, 3855}},
      {"on a screen that is gone", {wide},
       {{"Chart X", "30000"}, {"Chart Y", "900"}, {"PeopleListWin X", "90000"}, {"PeopleListWin Y", "-5"}},
       {16860, 900, 7140, 4590}, {19320, 300, 4680, 3855}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindowFixture f;
    f.screens.list = c.screens;
    f.peopleListWindow.place(300, 300, 4680, 3855);
    for (const auto& [key, value] : c.stored) f.store.values[key] = value;
    f.main.start();
    EXPECT_EQ(placeOf(f.window), c.main);
    EXPECT_EQ(placeOf(f.peopleListWindow), c.peopleList);
    EXPECT_EQ(f.picture.width(), c.main[2] - 350);  // the chart follows the fitted window
  }
}

}  // namespace
}  // namespace tw::test
