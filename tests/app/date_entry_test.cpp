#include "app/date_entry.h"

#include <gtest/gtest.h>

#include <functional>

namespace tw {
namespace {

// What the field holds after a run of edits: its date, its text, whether any step took a new
// date, the refusal and whether the date is still being typed.
struct Seen {
  std::string date, text;
  int taken;
  bool refused, typing;
  bool operator==(const Seen&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const Seen& s) {
    return o << "{" << s.date << ", \"" << s.text << "\", taken " << s.taken << ", refused "
             << s.refused << ", typing " << s.typing << "}";
  }
};

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
  const struct {
    const char* name;
    std::vector<Step> steps;
    Seen want;
  } rows[] = {
      {"a whole date typed is taken at once",
       {edit("24/12/1990")},
       {"24/12/1990", "24/12/1990", 1, false, true}},
      {"a year still being typed waits",
       {edit("24/12/199")},
       {"31/01/1990", "24/12/199", 0, false, false}},
      {"a three-digit year is refused on leaving",
       {edit("24/12/199"), commit},
       {"31/01/1990", "24/12/199", 0, true, false}},
      {"a two-digit year is taken on leaving",
       {edit("24/12/90"), commit},
       {"24/12/1990", "24/12/1990", 1, false, false}},
      {"no such day keeps the last date and says why",
       {edit("31/02/1990"), commit},
       {"31/01/1990", "31/02/1990", 0, true, false}},
      {"typing over a refusal clears it",
       {edit("31/02/1990"), commit, edit("3")},
       {"31/01/1990", "3", 0, false, false}},
      {"the same date again is no change",
       {edit("31/01/1990"), commit},
       {"31/01/1990", "31/01/1990", 0, false, false}},
      {"Up on the day", {up(0)}, {"01/02/1990", "01/02/1990", 1, false, false}},
      {"Up on the month", {up(3)}, {"28/02/1990", "28/02/1990", 1, false, false}},
      {"Up on the year", {up(8)}, {"31/01/1991", "31/01/1991", 1, false, false}},
      {"Up after a half-typed date steps from what was typed",
       {at("24/12/1990", 0), up(0)},
       {"25/12/1990", "25/12/1990", 2, false, false}},
      {"a day picked in the calendar",
       {[](DateEntry& e) { return e.pick(fromYmd(2000, 2, 29)); }},
       {"29/02/2000", "29/02/2000", 1, false, false}},
      {"cleared text keeps the date",
       {[](DateEntry& e) {
         e.clearText();
         return false;
       }},
       {"31/01/1990", "", 0, false, false}},
  };
  for (const auto& r : rows) {
    DateEntry entry(DateForm{}, start);
    int taken = 0;
    for (const Step& s : r.steps) taken += s(entry) ? 1 : 0;
    const Seen seen{showDate(entry.value(), entry.form()), entry.text(), taken,
                    !entry.refusal().empty(), entry.isBeingTyped()};
    EXPECT_EQ(seen, r.want) << r.name;
  }
}

}  // namespace
}  // namespace tw
