#pragma once
// How values look in the settings store, and how they are read back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cycles/date.h"

namespace tw {

// " 1", " 0", "-5": a blank stands where a minus sign would.
std::string numberText(long long value);
std::string boolText(bool value);  // "-1" / "0"

// The leading number of a text (blanks skipped, sign, digits, decimals, exponent);
// nothing when the text does not start with one or it is not finite.
std::optional<double> leadingNumber(std::string_view text);

bool readBool(std::string_view text);              // non-zero is True; garbage is False
std::int16_t readSmallInt(std::string_view text);  // rounded, halves to even; garbage is 0
std::optional<std::int32_t> readColour(std::string_view text);    // decimal or "&H" hexadecimal
std::optional<std::int32_t> readGeometry(std::string_view text);  // only values above 0
std::optional<Date> readDate(std::string_view text);  // day first, within the pickers' range

// The most characters a name keeps: a stored name of megabytes would stall every start and
// every chart. The entry window's name box takes no more.
inline constexpr std::size_t kLongestName = 1000;
// The name, cut after kLongestName characters (never inside one).
std::string readName(std::string_view text);

}  // namespace tw
