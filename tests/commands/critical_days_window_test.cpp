#include "commands/critical_days_window.h"

#include <gtest/gtest.h>

#include <ostream>

#include "mock/main_window_fixture.h"

namespace tw {
std::ostream& operator<<(std::ostream& o, const CriticalRow& r) {
  return o << r.date << " | " << r.cycles << " | " << r.whose;
}
}  // namespace tw

namespace tw::test {
namespace {

struct Controls : CriticalDaysControls {
  void showWindow() override { ++shown; }
  void showRows(const std::vector<CriticalRow>& r, bool whose) override { rows = r, withWhose = whose; }
  void showNote(const std::string& text) override { note = text; }
  void showSpan(CriticalSpan s) override { span = s; }
  void showReminder(bool on) override { reminder = on; }
  int shown = 0;
  std::vector<CriticalRow> rows;
  bool withWhose = false;
  std::string note;
  CriticalSpan span = CriticalSpan::Days30;
  bool reminder = false;
};

struct CalendarFiles : WholeFiles {
  std::string write(const std::string& path, const std::string& bytes) override {
    if (!why.empty()) return why;
    written[path] = bytes;
    return {};
  }
  std::map<std::string, std::string> written;
  std::string why;
};

struct Clock : UtcClock {
  UtcTime now() const override { return {fromYmd(2024, 3, 1), 8 * 3600}; }
};

struct CriticalDaysFixture : MainWindowFixture {
  FakeWindow criticalWindow;
  Controls controls;
  CalendarFiles calendarFiles;
  Clock utc;
  CriticalDaysWindow critical{CriticalDaysServices{main, criticalWindow, window, controls, dialog,
                                                   messages, store, calendarFiles, utc, screens,
                                                   Locale{}}};
  CriticalDaysFixture() { main.addChartWatcher(&critical); }
};

const Date kAnn = fromYmd(1990, 1, 31);

TEST(CriticalDaysWindow, FollowsTheChartAndItsSpan) {
  CriticalDaysFixture f;
  f.store.values = {{"Birthname1", "Anna"}, {"Birthname2", ""}, {"Critical days span", " 2"},
                    {"CriticalDaysWin X", " 900"}, {"CriticalDaysWin Y", " 450"}};
  f.startWith(kAnn, fromYmd(1990, 2, 10), fromYmd(2024, 3, 1));
  EXPECT_EQ(f.controls.rows, std::vector<CriticalRow>{}) << "nothing is worked out before it opens";
  f.critical.open();
  EXPECT_EQ(f.controls.span, CriticalSpan::Months12);
  EXPECT_EQ(f.criticalWindow.left(), 900);
  EXPECT_EQ(f.critical.entries().size(), 75u);
  f.critical.chooseSpan(CriticalSpan::Days30);
  const std::vector<CriticalRow> march = {
      {"Thursday 7/3/2024", "physical", ""},   {"Sunday 10/3/2024", "intellectual", ""},
      {"Wednesday 13/3/2024", "emotional", ""}, {"Tuesday 19/3/2024", "physical", ""},
      {"Wednesday 27/3/2024", "emotional, intellectual", ""}, {"Saturday 30/3/2024", "physical", ""}};
  EXPECT_EQ(f.controls.rows, march);
  EXPECT_EQ(f.store.values["Critical days span"], " 0");

  f.settings.showComparisonChart();
  ASSERT_EQ(f.controls.rows.size(), 13u);
  EXPECT_EQ(f.controls.rows[1], (CriticalRow{"Wednesday 6/3/2024", "physical", "Birthday 2"}));
  EXPECT_EQ(f.controls.withWhose, true);

  f.main.goNextMonth();
  EXPECT_EQ(f.controls.rows.front(), (CriticalRow{"Friday 29/3/2024", "physical", "Birthday 2"}));

  // A birthday typed after the span: no rows, said in words.
  f.settings.showBiorhythmChart();
  f.birthdayPicker.setValue(fromYmd(2024, 6, 1));
  f.main.birthdayChanged();
  EXPECT_EQ(f.controls.rows, std::vector<CriticalRow>{});
  EXPECT_EQ(f.controls.note, "No critical days in the 30 days from Friday 29/3/2024.");
}

TEST(CriticalDaysWindow, ARowBecomesTheChartDateRefusedAsTheGoToCommandsRefuse) {
  CriticalDaysFixture f;
  f.startWith(kAnn, fromYmd(2024, 3, 20), fromYmd(2024, 3, 1), ChartType::Comparison);
  // The first person's days before the second birthday are listed, but refused as chart dates.
  f.critical.open();
  ASSERT_EQ(toIso(f.critical.entries()[0].day.date), "2024-03-07");
  f.critical.goToRow(0);
  EXPECT_EQ(toIso(f.main.state().chartDate), "2024-03-20");
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_NE(f.messages.shown[0].text.find("Setting chart date to 20/3/2024."), std::string::npos);
  EXPECT_EQ(toIso(f.critical.entries()[0].day.date), "2024-03-20") << "the list follows";
  f.critical.goToRow(2);
  EXPECT_EQ(f.main.state().chartDate, f.critical.entries()[0].day.date);
  EXPECT_EQ(f.messages.shown.size(), 1u);
}

TEST(CriticalDaysWindow, AddToCalendarWritesTheListedDaysOrSaysWhyNot) {
  const struct {
    const char* name;
    std::string names[2];
    ChartType type;
    bool remind;
    std::string refusal;
    std::string offered;
  } rows[] = {
      {"named person with reminder", {"Anna", ""}, ChartType::Biorhythm, true, "", "Anna critical days.ics"},
      {"two people", {"Anna", "Bo/Jo"}, ChartType::Comparison, false, "", "Anna and Bo-Jo critical days.ics"},
      {"no name, the disk full", {"", ""}, ChartType::Biorhythm, false, "No space left on device",
       "Critical days.ics"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    CriticalDaysFixture f;
    f.store.values = {{"Birthname1", r.names[0]}, {"Birthname2", r.names[1]},
                      {"Critical days reminder", r.remind ? "-1" : "0"}};
    f.startWith(kAnn, fromYmd(1990, 2, 10), fromYmd(2024, 3, 1), r.type);
    f.critical.open();
    f.calendarFiles.why = r.refusal;
    f.dialog.answers = {{true, 0, "/home/anna/days.ics"}};
    f.critical.addToCalendar();
    EXPECT_EQ(f.dialog.shown, std::vector<std::string>{"chooseSaveFile " + r.offered});
    const std::string want = iCalendar(f.critical.entries(), {{fromYmd(2024, 3, 1), 8 * 3600}, r.remind});
    EXPECT_EQ(f.calendarFiles.written["/home/anna/days.ics"], r.refusal.empty() ? want : "");
    EXPECT_EQ(f.messages.shown.size(), r.refusal.empty() ? 0u : 1u);
    if (!r.refusal.empty()) {
      EXPECT_EQ(f.messages.shown[0].text, "Tidewell could not write the calendar file\r\n"
                                          "/home/anna/days.ics:\r\nNo space left on device.\r\n\r\n"
                                          "No file was changed.");
    }
  }
}

}  // namespace
}  // namespace tw::test
