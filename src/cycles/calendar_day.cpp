#include "cycles/calendar_day.h"

namespace tw {

std::optional<int> writtenYear(int number, std::size_t digits) {
  if (digits == 3) return std::nullopt;
  if (digits <= 2) return number + (number < 30 ? 2000 : 1900);
  return number;
}

std::optional<Date> calendarDay(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
    return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{unsigned(month)},
                                        std::chrono::day{unsigned(day)}};
  if (!ymd.ok()) return std::nullopt;
  return fromYmd(ymd);
}

}  // namespace tw
