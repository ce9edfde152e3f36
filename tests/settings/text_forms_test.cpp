#include "settings/text_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tw {
namespace {

TEST(TextForms, StoredTextsReadBackByTheirLeadingNumber) {
  const std::optional<std::int32_t> none, face = static_cast<std::int32_t>(0x8000000FU);
  const struct {
    std::string text;
    bool asBool;
    std::int16_t asSmallInt;
    std::optional<std::int32_t> asColour, asGeometry;
  } cases[] = {
      {"-1", true, -1, -1, none},
      {"0", false, 0, 0, none},
      {" 1", true, 1, 1, 1},
      {" 2.5", true, 2, 2, 2},  // halves go to the even number
      {"3.5", true, 4, 4, 4},
      {"7140.9", true, 7141, 7141, 7141},
      {"12abc", true, 12, none, 12},
      {"&HFF", false, 0, 255, none},
      {"&H8000000F", false, 0, face, none},
      {"-2147483633", true, 0, face, none},
      {"", false, 0, none, none},
      {"abc", false, 0, none, none},
      {"&HZZ", false, 0, none, none},
      {"&H123456789", false, 0, none, none},
      {"1e999", false, 0, none, none},
      {"99999999999", true, 0, none, none},
      {"31/2/2001", true, 31, none, 31},
      {std::string(10000, '9'), false, 0, none, none},
      {"5\n6", true, 5, none, 5},
      {"-300", true, -300, -300, none},
      {"0x10", false, 0, none, none},  // not a stored form: unreadable, so the colour's default
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.text.substr(0, 20));
    EXPECT_EQ(std::tuple(readBool(c.text), readSmallInt(c.text), readColour(c.text),
                         readGeometry(c.text)),
              std::tuple(c.asBool, c.asSmallInt, c.asColour, c.asGeometry));
  }
}

}  // namespace
}  // namespace tw
