#pragma once
// The days a date may name, from its day, month and year as written: one rule for dates read
// from the settings file and dates typed into a field.
#include <cstddef>
#include <optional>

#include "cycles/date.h"

namespace tw {

// The year meant by a number written with `digits` digits: one or two fall in 1930-2029, three
// name no year anyone means, four or more stand as they are.
std::optional<int> writtenYear(int number, std::size_t digits);

// The day of these numbers, when the month has it and the year lies in kFirstYear-kLastYear.
std::optional<Date> calendarDay(int year, int month, int day);

}  // namespace tw
