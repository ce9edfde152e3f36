#include "settings/text_forms.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "cycles/cycles.h"

namespace tw {

std::string numberText(long long value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string boolText(bool value) { return value ? "-1" : "0"; }

std::optional<double> leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  // Copy just the candidate characters so strtod never reads past the view.
  std::string head;
  for (std::size_t j = i; j < text.size() && head.size() < 400; ++j) {
    const char c = text[j];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' ||
        c == 'e' || c == 'E')
      head += c;
    else
      break;
  }
  if (head.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(head.c_str(), &end);
  if (end == head.c_str() || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool readBool(std::string_view text) {
  const auto v = leadingNumber(text);
  return v && *v != 0.0;
}

std::int16_t readSmallInt(std::string_view text) {
  const auto v = leadingNumber(text);
  if (!v || *v < -32768.5 || *v > 32767.5) return 0;
  return roundToEvenInt16(*v);
}

std::optional<std::int32_t> readColour(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    const std::string_view hex = text.substr(2);
    if (hex.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (const char c : hex) {
      const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                : -1;
      if (d < 0) return std::nullopt;
      v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(v);  // eight digits wrap to the signed value, as stored
  }
  // The whole text must be a decimal number: "0x10" or "12abc" is unreadable, not 0 or 12.
  if (text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return std::nullopt;
  const auto v = leadingNumber(text);
  if (!v) return std::nullopt;
  std::string rest(text);
  char* end = nullptr;
  std::strtod(rest.c_str(), &end);
  if (*end != '\0') return std::nullopt;
  const double r = std::nearbyint(*v);
  if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> readGeometry(std::string_view text) {
  const auto v = leadingNumber(text);
  // Nothing past a few screens' worth of twips is a real window position or size.
  if (!v || *v > 2'000'000.0) return std::nullopt;
  const std::int32_t r = roundToEvenInt32(*v);
  if (r <= 0) return std::nullopt;
  return r;
}

std::optional<Date> readDate(std::string_view text) { return parseDayFirst(text); }

std::string readName(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character starts at every byte that does not continue a UTF-8 sequence.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kLongestName)
      return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace tw
