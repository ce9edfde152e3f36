#include "app/date_entry.h"

#include <gtest/gtest.h>

#include <functional>

namespace tw {
namespace {

// What the field holds after a run of edits: its date, its text, how many steps took a new
// date, and whether it refuses the text or is still being typed.
std::string seen(const DateEntry& e, int taken) {
  return showDate(e.value(), e.form()) + " '" + e.text() + "' " + std::to_string(taken) +
         (e.refusal().empty() ? "" : " refused") + (e.isBeingTyped() ? " typing" : "");
}

using Step = std::function<bool(DateEntry&)>;
Step edit(std::string text) {
  return [text](DateEntry& e) { return e.edit(text, text.size()); };
}
Step at(std::string text, std::size_t cursor) {
  return [text, cursor](DateEntry& e) { return e.edit(text, cursor); };
}

TEST(DateEntry, TypedTextBecomesTheDateWhenItCounts) {
  const Date start = fromYmd(1990, 1, 31);
  const auto commit = [](DateEntry& e) { return e.commit(); };
  const auto up = [](std::size_t cursor) {
    return [cursor](DateEntry& e) { return e.step(cursor, 1); };
  };
  const auto pick = [](Date d) { return [d](DateEntry& e) { return e.pick(d); }; };
  const auto clear = [](DateEntry& e) { return e.clearText(), false; };
  const struct {
    const char* name;
    std::vector<Step> steps;
    std::string want;
  } rows[] = {
      {"a whole date is taken at once", {edit("24/12/1990")}, "24/12/1990 '24/12/1990' 1 typing"},
      {"a year still being typed waits", {edit("24/12/199")}, "31/01/1990 '24/12/199' 0"},
      {"a 3-digit year, left", {edit("24/12/199"), commit}, "31/01/1990 '24/12/199' 0 refused"},
      {"a 2-digit year taken on leaving", {edit("24/12/90"), commit}, "24/12/1990 '24/12/1990' 1"},
      {"no such day: refused", {edit("31/02/1990"), commit}, "31/01/1990 '31/02/1990' 0 refused"},
      {"typing clears a refusal", {edit("31/02/1990"), commit, edit("3")}, "31/01/1990 '3' 0"},
      {"the same date is no change", {edit("31/01/1990"), commit}, "31/01/1990 '31/01/1990' 0"},
      {"Up on the day", {up(0)}, "01/02/1990 '01/02/1990' 1"},
      {"Up on the month", {up(3)}, "28/02/1990 '28/02/1990' 1"},
      {"Up on the year", {up(8)}, "31/01/1991 '31/01/1991' 1"},
      {"Up from a half-typed date", {at("24/12/1990", 0), up(0)}, "25/12/1990 '25/12/1990' 2"},
      {"a day picked in the calendar", {pick(fromYmd(2000, 2, 29))}, "29/02/2000 '29/02/2000' 1"},
      {"cleared text keeps the date", {clear}, "31/01/1990 '' 0"},
  };
  for (const auto& r : rows) {
    DateEntry entry(DateForm{}, start);
    int taken = 0;
    for (const Step& s : r.steps) taken += s(entry) ? 1 : 0;
    EXPECT_EQ(seen(entry, taken), r.want) << r.name;
  }
}

// What the field lets be typed at all, and whether it reads as a date (day/month/year form).
TEST(DateEntry, JudgesATextBeforeTakingIt) {
  using J = DateEntry::Judged;
  const struct {
    const char* text;
    J want;
  } rows[] = {
      {"24/12/1990", J::Date},
      {"24-12.1990", J::Date},
      {"24 12,1990", J::Date},
      {"24/12", J::NoDate},
      {"", J::NoDate},
      {"24/12/1990/1", J::NoDate},
      {"24 Dec 1990", J::Refused},
      {"24/12/1990\n", J::Refused},
      {"12345678901234567890", J::NoDate},
      {"123456789012345678901", J::Refused},
      {"\xD9\xA3", J::Refused},  // a digit of another script
  };
  const DateEntry entry;  // day/month/year
  for (const auto& r : rows)
    EXPECT_EQ(static_cast<int>(entry.judge(r.text)), static_cast<int>(r.want)) << r.text;
}

TEST(DateEntry, KeysOfTheField) {
  using F = DateFieldKey;
  const struct {
    KeyPress key;
    F does;
    bool takesTypingFirst;
  } rows[] = {
      {{Key::Up}, F::StepUp, false},
      {{Key::Down}, F::StepDown, false},
      {{Key::Down, true, false}, F::ShowCalendar, false},
      {{Key::F4}, F::ShowCalendar, true},
      {{Key::Return}, F::Commit, false},
      {{Key::Modifier}, F::PassOn, false},
      {{Key::Left}, F::PassOn, true},
      {{Key::Other}, F::PassOn, true},
  };
  for (const auto& r : rows) {
    const int key = static_cast<int>(r.key.key);
    EXPECT_EQ(static_cast<int>(dateFieldKey(r.key)), static_cast<int>(r.does)) << "key " << key;
    EXPECT_EQ(takesTypingFirst(r.key.key), r.takesTypingFirst) << "key " << key;
  }
}

// After a step the cursor stands at the end of the part it stepped.
TEST(DateEntry, EachPartOfAShownDateEnds) {
  const struct {
    const char* text;
    int part;
    std::size_t end;
  } rows[] = {
      {"24/12/1990", 0, 2}, {"24/12/1990", 1, 5}, {"24/12/1990", 2, 10},
      {"1990-12-24", 0, 4}, {"6/15/1988", 1, 4},  {"24/12", 2, 5},
      {"", 0, 0},
  };
  for (const auto& r : rows)
    EXPECT_EQ(endOfPart(r.text, r.part), r.end) << r.text << " part " << r.part;
}

}  // namespace
}  // namespace tw
