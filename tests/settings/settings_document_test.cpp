#include "settings/settings_document.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

const std::map<std::string, std::string> kChanges = {{"Birthday1", "3/4/1990"},
                                                     {"Chart type", " 1"}};

// What a person adds by hand, and what a save makes of it: the program's keys read and
// written, every other line kept as it was.
TEST(SettingsDocument, HandEditsSurviveASave) {
  const struct {
    const char* what;
    std::string file, birthday, saved;
  } cases[] = {
      {"no file", "", "", "[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"a # note", "[Tidewell]\n# note\nBirthday1=1/2/1990\n", "1/2/1990",
       "[Tidewell]\n# note\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"a line without =", "[Tidewell]\nBirthday1=1/2/1990\nloose words\n\n", "1/2/1990",
       "[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\nloose words\n\n"},
      {"a byte-order mark and CR LF", "\xEF\xBB\xBF[Tidewell]\r\nBirthday1=1/2/1990\r\n",
       "1/2/1990", "\xEF\xBB\xBF[Tidewell]\r\nBirthday1=3/4/1990\r\nChart%20type=\" 1\"\r\n"},
      {"lone CR line ends", "[Tidewell]\rBirthday1=1/2/1990\r", "1/2/1990",
       "[Tidewell]\rBirthday1=3/4/1990\rChart%20type=\" 1\"\r"},
      {"CR LF first, then a lone CR", "[Junk]\r\na=1\r[Tidewell]\r\nBirthday1=1/2/1990", "1/2/1990",
       "[Junk]\r\na=1\r[Tidewell]\r\nBirthday1=3/4/1990\r\nChart%20type=\" 1\"\r\n"},
      {"an unclosed header", "[Tidewell\nBirthday1=1/2/1990", "1/2/1990",
       "[Tidewell\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"sections of others",
       "[Junk]\nBirthday1=9/9/1999\n\n[Tidewell]\nBirthday1=1/2/1990\n[Other]\nx=\"y\"\n",
       "1/2/1990",
       "[Junk]\nBirthday1=9/9/1999\n\n[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" "
       "1\"\n[Other]\nx=\"y\"\n"},
      {"only others' sections", "[Junk]\na=1", "",
       "[Junk]\na=1\n\n[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"a key twice: the last counts",
       "[Tidewell]\nBirthday1=1/1/1990\n  Birthday1 = 1/2/1990 ; by hand\n", "1/2/1990",
       "[Tidewell]\nBirthday1=1/1/1990\n  Birthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"a comment line", "; mine\n[Tidewell]\nBirthday1=1/2/1990\n", "1/2/1990",
       "; mine\n[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      // Hand-written commas: a value is one text as it stands, never a list.
      {"a comma by hand", "[Tidewell]\nBirthday1=1/2 ,  1990\n", "1/2 ,  1990",
       "[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"a comma after quotes", "[Tidewell]\nBirthday1=\"1/2\",1990\n", "1/2,1990",
       "[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
      {"bytes that are no UTF-8", "[Tidewell]\nBirthday1=1/2\xFF/1990\n", "1/2/1990",
       "[Tidewell]\nBirthday1=3/4/1990\nChart%20type=\" 1\"\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto values = sectionValues(c.file, "Tidewell");
    EXPECT_EQ(values.count("Birthday1") ? values.at("Birthday1") : "", c.birthday);
    EXPECT_EQ(withChanges(c.file, "Tidewell", kChanges), c.saved);
  }
}

TEST(SettingsDocument, AUtf16FileKeepsItsBytes) {
  const std::string utf16("\xFF\xFE[\0T\0]\0\n\0", 10);
  EXPECT_EQ(sectionValues(utf16, "Tidewell").size(), 0u);
  EXPECT_EQ(withChanges(utf16, "Tidewell", {{"Average", "0"}}),
            utf16 + "\n\n[Tidewell]\nAverage=0\n");
}

}  // namespace
}  // namespace tw
