#include "cycles/typed_date.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "cycles/calendar_day.h"
#include "cycles/locale.h"

namespace tw {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSeparator(char c) {
  return c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == '\t';
}

struct Group {
  std::size_t begin, end;
  std::size_t size() const { return end - begin; }
};

// The runs of digits, or nothing when the text holds anything but digits and separators.
std::optional<std::vector<Group>> digitGroups(std::string_view text) {
  std::vector<Group> groups;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      if (i == 0 || !isDigit(text[i - 1])) groups.push_back({i, i});
      groups.back().end = i + 1;
    } else if (!isSeparator(text[i])) {
      return std::nullopt;
    }
  }
  return groups;
}

int number(std::string_view text, Group g) {
  int n = 0;
  for (std::size_t i = g.begin; i < g.end; ++i) n = n * 10 + (text[i] - '0');
  return n;
}

enum class Part { Day, Month, Year };

// Which part each of the three groups is, for a text of this order.
std::array<Part, 3> partsOf(DateOrder order) {
  switch (order) {
    case DateOrder::MonthDayYear: return {Part::Month, Part::Day, Part::Year};
    case DateOrder::YearMonthDay: return {Part::Year, Part::Month, Part::Day};
    case DateOrder::DayMonthYear: break;
  }
  return {Part::Day, Part::Month, Part::Year};
}

// Whether more digits could still follow in this group: a day of "1" may become "16".
bool couldGrow(std::string_view text, Group g, Part part) {
  if (part == Part::Year) return g.size() < 4;
  if (g.size() >= 2) return false;
  const int first = text[g.begin] - '0';
  return part == Part::Day ? first <= 3 : first <= 1;
}

// The group the cursor is typing in: the one it ends, else the one it stands in.
std::optional<std::size_t> groupAt(const std::vector<Group>& groups, std::size_t cursor) {
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].end == cursor) return i;
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].begin <= cursor && cursor < groups[i].end) return i;
  return std::nullopt;
}

// A text's three groups and the part each stands for.
struct Layout {
  std::vector<Group> groups;
  std::array<Part, 3> parts;
};

std::optional<Layout> layoutOf(std::string_view text, DateOrder order) {
  const auto found = digitGroups(text);
  if (!found) return std::nullopt;
  const std::vector<Group>& groups = *found;
  if (groups.size() == 1) {
    // Digits only: 8 with the year in full, 6 with two digits of it.
    const Group g = groups[0];
    if (g.size() != 8 && g.size() != 6) return std::nullopt;
    const std::size_t yearSize = g.size() - 4, b = g.begin;
    if (order == DateOrder::YearMonthDay)
      return Layout{{{b, b + yearSize}, {b + yearSize, b + yearSize + 2}, {g.end - 2, g.end}},
                    partsOf(order)};
    return Layout{{{b, b + 2}, {b + 2, b + 4}, {b + 4, g.end}}, partsOf(order)};
  }
  if (groups.size() != 3) return std::nullopt;
  const std::size_t first = groups[0].size(), last = groups[2].size();
  if (first == 4)
    return Layout{groups, {Part::Year, Part::Month, Part::Day}};  // ISO, whatever the user's order
  if (first > 2) return std::nullopt;
  if (order == DateOrder::YearMonthDay && last <= 2)
    return Layout{groups, {Part::Year, Part::Month, Part::Day}};
  if (order == DateOrder::MonthDayYear) return Layout{groups, {Part::Month, Part::Day, Part::Year}};
  return Layout{
      groups,
      {Part::Day, Part::Month, Part::Year}};  // the settings file's order where the year leads
}

}  // namespace

DateForm dateFormFor(std::string_view pattern) {
  DateForm form;
  std::string shown;
  std::string letters;  // the first letter of each part, in order
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t n = 1;
    while (i + n < pattern.size() && pattern[i + n] == c) ++n;
    if (c == '\'') return {DateOrder::YearMonthDay, "yyyy-MM-dd"};  // quoted words
    if (c == 'd' || c == 'M' || c == 'y') {
      if (n > 2 && c != 'y') return {DateOrder::YearMonthDay, "yyyy-MM-dd"};  // names
      if (letters.find(c) != std::string::npos) return {DateOrder::YearMonthDay, "yyyy-MM-dd"};
      letters += c;
      shown += c == 'y' ? std::string("yyyy") : std::string(n, c);
    } else {
      shown.append(n, c);
    }
    i += n;
  }
  if (letters == "dMy")
    form.order = DateOrder::DayMonthYear;
  else if (letters == "Mdy")
    form.order = DateOrder::MonthDayYear;
  else if (letters == "yMd")
    form.order = DateOrder::YearMonthDay;
  else
    return {DateOrder::YearMonthDay, "yyyy-MM-dd"};
  form.pattern = shown;
  return form;
}

std::string showDate(Date d, const DateForm& form) { return formatDate(d, form.pattern, Locale{}); }

std::optional<WrittenDate> writtenDate(std::string_view text, DateOrder order) {
  const auto layout = layoutOf(text, order);
  if (!layout) return std::nullopt;
  WrittenDate written;
  for (std::size_t i = 0; i < 3; ++i) {
    const Group g = layout->groups[i];
    if (layout->parts[i] != Part::Year && g.size() > 2) return std::nullopt;
    const int n = number(text, g);
    switch (layout->parts[i]) {
      case Part::Day: written.day = n; break;
      case Part::Month: written.month = n; break;
      case Part::Year: written.year = n, written.yearDigits = g.size(); break;
    }
  }
  written.yearFirst = layout->parts[0] == Part::Year;
  return written;
}

namespace {
std::optional<Date> dayWritten(const WrittenDate& written) {
  // Beyond four digits is no year: the field holds 20 characters, not years of 90000.
  if (written.yearDigits > 4) return std::nullopt;
  const auto year = writtenYear(written.year, written.yearDigits);
  if (!year) return std::nullopt;
  return calendarDay(*year, written.month, written.day);
}

}  // namespace

TypedDate readTypedDate(std::string_view text, std::size_t cursor, DateOrder order) {
  const auto written = writtenDate(text, order);
  const auto date = written ? dayWritten(*written) : std::nullopt;
  if (!date) return {};
  const bool yearInFull = written->yearDigits == 4;
  const auto layout = layoutOf(text, order);
  // Eight digits cannot grow into another date; three groups can while the cursor types on.
  const bool digitsOnly = digitGroups(text)->size() == 1;
  const auto typing = digitsOnly ? std::optional<std::size_t>{} : groupAt(layout->groups, cursor);
  const bool growing = typing && couldGrow(text, layout->groups[*typing], layout->parts[*typing]);
  return {yearInFull && !growing ? Counts::Now : Counts::WhenLeft, *date};
}

bool onlyDateCharacters(std::string_view text) { return digitGroups(text).has_value(); }

std::size_t endOfPart(std::string_view text, int part) {
  const auto groups = digitGroups(text);
  if (!groups || part < 0 || static_cast<std::size_t>(part) >= groups->size()) return text.size();
  return (*groups)[static_cast<std::size_t>(part)].end;
}

int partAt(std::string_view text, std::size_t cursor) {
  const auto groups = digitGroups(text);
  if (!groups || groups->empty()) return 0;
  if (const auto i = groupAt(*groups, cursor))
    return static_cast<int>(std::min<std::size_t>(*i, 2));
  // On a separator: the part that follows it.
  for (std::size_t i = 0; i < groups->size() && i < 3; ++i)
    if (cursor < (*groups)[i].begin) return static_cast<int>(i);
  return static_cast<int>(std::min<std::size_t>(groups->size() - 1, 2));
}

Date stepDate(Date d, int part, int delta, const DateForm& form) {
  const Part which = partsOf(form.order)[static_cast<std::size_t>(std::clamp(part, 0, 2))];
  if (which == Part::Day) return clampDate(static_cast<long long>(d) + delta);
  const auto ymd = toYmd(d);
  auto moved = which == Part::Month ? ymd.year() / ymd.month() + std::chrono::months{delta}
                                    : ymd.year() / ymd.month() + std::chrono::years{delta};
  const int year = static_cast<int>(moved.year());
  if (year < kFirstYear || year > kLastYear) return d;
  const auto lastDay = std::chrono::year_month_day_last{
      moved.year(),
      std::chrono::month_day_last{
          moved.month()}}.day();
  return fromYmd(moved.year() / moved.month() / std::min(ymd.day(), lastDay));
}

}  // namespace tw
