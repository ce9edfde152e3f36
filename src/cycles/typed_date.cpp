#include "cycles/typed_date.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

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

std::optional<Date> dateOf(int y, int m, int d) {
  if (y < 1601 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{unsigned(m)},
                                        std::chrono::day{unsigned(d)}};
  if (!ymd.ok()) return std::nullopt;
  return fromYmd(ymd);
}

int fullYear(int twoDigits) { return twoDigits + (twoDigits < 30 ? 2000 : 1900); }

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

TypedDate digitsOnly(std::string_view text, Group g, DateOrder order) {
  if (g.size() != 8 && g.size() != 6) return {};
  const std::size_t yearSize = g.size() - 4;
  const std::size_t b = g.begin;
  std::array<Group, 3> groups;
  if (order == DateOrder::YearMonthDay)
    groups = {Group{b, b + yearSize}, Group{b + yearSize, b + yearSize + 2}, Group{g.end - 2, g.end}};
  else
    groups = {Group{b, b + 2}, Group{b + 2, b + 4}, Group{b + 4, g.end}};
  int day = 0, month = 0, year = 0;
  const auto parts = partsOf(order);
  for (std::size_t i = 0; i < 3; ++i) {
    const int n = number(text, groups[i]);
    if (parts[i] == Part::Day) day = n;
    if (parts[i] == Part::Month) month = n;
    if (parts[i] == Part::Year) year = yearSize == 4 ? n : fullYear(n);
  }
  const auto date = dateOf(year, month, day);
  if (!date) return {};
  // Eight digits cannot grow into another date.
  return {yearSize == 4 ? Counts::Now : Counts::WhenLeft, *date};
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
  if (letters == "dMy") form.order = DateOrder::DayMonthYear;
  else if (letters == "Mdy") form.order = DateOrder::MonthDayYear;
  else if (letters == "yMd") form.order = DateOrder::YearMonthDay;
  else return {DateOrder::YearMonthDay, "yyyy-MM-dd"};
  form.pattern = shown;
  return form;
}

std::string showDate(Date d, const DateForm& form) { return formatDate(d, form.pattern, Locale{}); }

TypedDate readTypedDate(std::string_view text, std::size_t cursor, DateOrder order) {
  const auto found = digitGroups(text);
  if (!found) return {};
  const std::vector<Group>& groups = *found;
  if (groups.size() == 1) return digitsOnly(text, groups[0], order);
  if (groups.size() != 3) return {};

  std::array<Part, 3> parts;
  const std::size_t first = groups[0].size(), last = groups[2].size();
  if (first == 4) parts = {Part::Year, Part::Month, Part::Day};  // ISO, whatever the user's order
  else if (first > 2) return {};
  else if (order == DateOrder::YearMonthDay && last <= 2) parts = {Part::Year, Part::Month, Part::Day};
  else if (order == DateOrder::MonthDayYear) parts = {Part::Month, Part::Day, Part::Year};
  else parts = {Part::Day, Part::Month, Part::Year};  // the settings file's order where the year leads

  int day = 0, month = 0, year = 0;
  bool yearInFull = false;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t size = groups[i].size();
    const int n = number(text, groups[i]);
    if (parts[i] == Part::Year) {
      if (size == 3 || size > 4) return {};
      yearInFull = size == 4;
      year = yearInFull ? n : fullYear(n);
    } else if (size > 2) {
      return {};
    } else {
      (parts[i] == Part::Day ? day : month) = n;
    }
  }
  const auto date = dateOf(year, month, day);
  if (!date) return {};
  const auto typing = groupAt(groups, cursor);
  const bool growing = typing && couldGrow(text, groups[*typing], parts[*typing]);
  return {yearInFull && !growing ? Counts::Now : Counts::WhenLeft, *date};
}

int partAt(std::string_view text, std::size_t cursor) {
  const auto groups = digitGroups(text);
  if (!groups || groups->empty()) return 0;
  if (const auto i = groupAt(*groups, cursor)) return static_cast<int>(std::min<std::size_t>(*i, 2));
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
  if (year < 1601 || year > 9999) return d;
  const auto lastDay = std::chrono::year_month_day_last{moved.year(), std::chrono::month_day_last{moved.month()}}.day();
  return fromYmd(moved.year() / moved.month() / std::min(ymd.day(), lastDay));
}

}  // namespace tw
