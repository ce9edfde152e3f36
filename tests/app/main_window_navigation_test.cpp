#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// The dates in the refusal messages, in the order they were shown.
std::vector<std::string> refusals(const MainWindowFixture& f) {
  std::vector<std::string> out;
  const std::string tail = "Setting chart date to ";
  for (const auto& m : f.messages.shown)
    out.push_back(m.text.substr(m.text.find(tail) + tail.size()));
  return out;
}

TEST(MainWindowNavigation, GoCommandsMoveTheChartDateOrRefuse) {
  struct Step {
    const char* name;
    void (MainWindow::*command)();
    ChartType type;
    Date birth1, birth2, chart, expected;
    std::vector<std::string> messages = {};
  };
  using F = MainWindow;
  const ChartType kBio = ChartType::Biorhythm, kPair = ChartType::Comparison;
  const Date b = fromYmd(1990, 1, 1), b2 = b + 100, y2k1 = fromYmd(2001, 1, 31);
  const Date p = b + 10, q = b + 50, z = kFirstDate;
  const auto said = [](Date d) { return dateText(d) + "."; };
  const Step steps[] = {
      {"previous day on the birthday", &F::goPreviousDay, kBio, b, b, b, b, {said(b)}},
      {"back 28 days, 27 days after", &F::goBack28Days, kBio, b, b, b + 27, b, {said(b)}},
      {"back 28 days, 28 days after", &F::goBack28Days, kBio, b, b, b + 28, b},
      {"pair: birthday 2 this week", &F::goPreviousWeek, kPair, b, b2, b2 + 3, b2, {said(b2)}},
      {"pair: both refuse", &F::goBack28Days, kPair, p, q, p + 10, q, {said(p), said(q)}},
      {"pair: allowed", &F::goPreviousDay, kPair, b, b2, b2 + 1, b2},
      {"one person: birthday 2 no limit", &F::goPreviousWeek, kBio, b, b2, b2 + 3, b2 - 4},
      {"next day at the last date", &F::goNextDay, kBio, b, b, kLastDate, kLastDate},
      {"previous day at the first date", &F::goPreviousDay, kBio, z, z, z, z, {"1/1/1601."}},
      {"today, a future birthday", &F::goToday, kBio, y2k1 + 10000, b, b, fromYmd(2026, 12, 5)},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    MainWindowFixture f;
    f.startWith(s.birth1, s.birth2, s.chart, s.type);
    f.surface.calls.clear();
    (f.main.*s.command)();
    EXPECT_EQ(f.main.state().chartDate, s.expected);
    EXPECT_EQ(f.chartDatePicker.value(), s.expected);
    EXPECT_EQ(refusals(f), s.messages);
    EXPECT_EQ(f.redraws(), 1);
  }
}

// A chart date before both birthdays is refused for each, ending on the later one. Typing one
// and leaving the field is the window-messages check's.
TEST(MainWindowNavigation, AChartDateBeforeBothBirthdaysIsRefusedForEach) {
  const Date b = fromYmd(1990, 6, 15);
  MainWindowFixture f;
  f.startWith(b - 1, b + 500, b + 1000, ChartType::Comparison);
  f.surface.calls.clear();
  f.chartDatePicker.setValue(b - 10);
  f.main.chartDateChanged();
  EXPECT_EQ(refusals(f),
            (std::vector<std::string>{dateText(b - 1) + ".", dateText(b + 500) + "."}));
  EXPECT_EQ(f.messages.shown[0],
            (ShownMessage{"You can't display a biorhythm chart with a\r\nchart date before they "
                          "were born!\r\n\r\nSetting chart date to 14/6/1990.",
                          MessageKind::Information, "Tidewell"}));
  EXPECT_EQ(std::tuple(f.main.state().chartDate, f.chartDatePicker.value(), f.redraws()),
            std::tuple(b + 500, b + 500, 1));
}

}  // namespace
}  // namespace tw::test
