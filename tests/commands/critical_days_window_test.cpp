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

struct CriticalDaysFixture : MainWindowFixture,
                             CriticalDaysControls,
                             WholeFiles,
                             CalendarOpener,
                             UtcClock {
  void showWindow() override {}
  void showRows(const std::vector<CriticalRow>& r, bool) override { rows = r; }
  void showNote(const std::string& text) override { note = text; }
  void showSpan(CriticalSpan s) override { span = s; }
  void showReminder(bool) override {}
  std::string write(const std::string& path, const std::string& bytes) override {
    if (refusal.empty()) written[path] = bytes;
    return refusal;
  }
  bool hasCalendarProgram() override { return calendarProgram; }
  bool open(const std::string& path) override {
    opened.push_back(path);
    return opens;
  }
  UtcTime now() const override { return {fromYmd(2024, 3, 1), 8 * 3600}; }

  std::vector<CriticalRow> rows;
  std::string note, refusal;
  CriticalSpan span = CriticalSpan::Days30;
  std::map<std::string, std::string> written;
  bool calendarProgram = false, opens = true;
  std::vector<std::string> opened;
  FakeWindow criticalWindow;
  CriticalDaysWindow critical{{main, criticalWindow, window, *this, dialog, messages, store, *this,
                               *this, *this, screens, Locale{}}};
  CriticalDaysFixture() { main.addChartWatcher(&critical); }
};

const Date kAnn = fromYmd(1990, 1, 31), kBo = fromYmd(1990, 2, 10);

TEST(CriticalDaysWindow, FollowsTheChartAndItsSpan) {
  CriticalDaysFixture f;
  f.store.values = {
      {"Birthname1", "Anna"}, {"Critical days span", " 2"}, {"CriticalDaysWin X", " 900"}};
  f.startWith(kAnn, kBo, fromYmd(2024, 3, 1));
  EXPECT_EQ(f.rows.size(), 0u) << "nothing is worked out before it opens";
  f.critical.open();
  EXPECT_EQ(std::tuple(f.span, f.criticalWindow.left(), f.rows.size()),
            std::tuple(CriticalSpan::Months12, 900.0, 75u));
  f.critical.chooseSpan(CriticalSpan::Days30);
  ASSERT_EQ(f.rows.size(), 6u);  // the days of the core's own one-person case
  EXPECT_EQ(f.rows[4], (CriticalRow{"Wednesday 27/3/2024", "emotional, intellectual", ""}));
  EXPECT_EQ(f.store.values["Critical days span"], " 0");

  f.settings.showComparisonChart();
  f.main.goForward28Days();
  ASSERT_EQ(f.rows.size(), 12u);
  EXPECT_EQ(f.rows[0], (CriticalRow{"Friday 29/3/2024", "physical", "Birthday 2"}));
  EXPECT_EQ(f.rows[1], (CriticalRow{"Saturday 30/3/2024", "physical", "Anna"}));

  f.settings.showBiorhythmChart();
  f.birthdayPicker.setValue(fromYmd(2024, 6, 1));  // after the span
  f.main.birthdayChanged();
  EXPECT_EQ(std::tuple(f.rows.size(), f.note),
            std::tuple(0u, "No critical days in the 30 days from Friday 29/3/2024."));
  f.birthdayPicker.setValue(fromYmd(2024, 4, 10));  // inside it: the days start there
  f.main.birthdayChanged();
  ASSERT_FALSE(f.rows.empty());
  EXPECT_EQ(f.rows[0],
            (CriticalRow{"Wednesday 10/4/2024", "physical, emotional, intellectual", ""}));
}

TEST(CriticalDaysWindow, AddToCalendarWritesTheListedDaysUnderTheNamesCharted) {
  const ChartType kBio = ChartType::Biorhythm, kPair = ChartType::Comparison;
  const struct {
    const char* name;
    std::string names[2];
    ChartType type;
    std::string offered;
    bool remind = false;
    std::string refusal = "";
  } rows[] = {
      {"named, with reminder", {"Anna", ""}, kBio, "Anna critical days.ics", true},
      {"two people", {"Anna", "Bo/Jo"}, kPair, "Anna and Bo-Jo critical days.ics"},
      {"no name, disk full", {"", ""}, kBio, "Critical days.ics", false, "No space left on device"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    CriticalDaysFixture f;
    f.store.values = {{"Birthname1", r.names[0]},
                      {"Birthname2", r.names[1]},
                      {"Critical days reminder", r.remind ? "-1" : "0"}};
    f.startWith(kAnn, kBo, fromYmd(2024, 3, 1), r.type);
    f.critical.open();
    f.refusal = r.refusal;
    f.dialog.answers = {{true, 0, "/home/anna/days.ics"}};
    f.critical.addToCalendar();
    EXPECT_EQ(f.dialog.shown, std::vector<std::string>{"chooseSaveFile " + r.offered});
    const std::string want = iCalendar(f.critical.entries(), {f.now(), r.remind});
    EXPECT_EQ(f.written["/home/anna/days.ics"], r.refusal.empty() ? want : "");
  }
}

// After the file is written: the calendar program is offered, and told to take the file only
// on Yes; without one, or when it cannot be started, the user learns where the file is.
TEST(CriticalDaysWindow, AddToCalendarOffersTheCalendarProgram) {
  const std::string path = "/home/anna/days.ics";
  const std::string saved = "The critical days are saved in\r\n" + path + ".";
  const ShownMessage offer{saved + "\r\n\r\nOpen it in your calendar program to add them?",
                           MessageKind::Question, "Critical days"};
  const auto told = [](MessageKind kind, const std::string& text) {
    return ShownMessage{text, kind, "Critical days"};
  };
  const ShownMessage noProgram =
      told(MessageKind::Information, saved +
                                         "\r\n\r\nNo program on this computer opens calendar "
                                         "files.\r\nImport the file into your calendar yourself.");
  const ShownMessage notStarted = told(
      MessageKind::Warning, "Tidewell could not open the calendar file\r\n" + path +
                                "\r\nin your calendar program.\r\n\r\nThe file is saved: import "
                                "it into your calendar yourself.");
  const ShownMessage unwritten =
      told(MessageKind::Warning, "Tidewell could not write the calendar file\r\n" + path +
                                     ":\r\nPermission denied.\r\n\r\nNo file was changed.");
  const auto yes = ui::Answer::Yes;
  const struct {
    const char* name;
    bool program, opens;
    ui::Answer answer;
    std::vector<std::string> opened;
    Shown shown;
    std::string refusal = "";
  } rows[] = {
      {"written and opened", true, true, yes, {path}, {offer}},
      {"the user says No", true, true, ui::Answer::No, {}, {offer}},
      {"no calendar program", false, true, yes, {}, {noProgram}},
      {"the program does not start", true, false, yes, {path}, {offer, notStarted}},
      {"write failed", true, true, yes, {}, {unwritten}, "Permission denied"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    CriticalDaysFixture f;
    f.store.values = {{"Birthname1", "Anna"}};
    f.startWith(kAnn, kBo, fromYmd(2024, 3, 1));
    f.critical.open();
    f.refusal = r.refusal;
    f.calendarProgram = r.program;
    f.opens = r.opens;
    f.messages.answers = {r.answer};
    f.dialog.answers = {{true, 0, path}};
    f.critical.addToCalendar();
    EXPECT_EQ(f.written.count(path), r.refusal.empty() ? 1u : 0u);
    EXPECT_EQ(f.opened, r.opened);
    EXPECT_EQ(f.messages.shown, r.shown);
  }
}

}  // namespace
}  // namespace tw::test
