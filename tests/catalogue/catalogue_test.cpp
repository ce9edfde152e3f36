#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace tw {
namespace {

struct FillCase {
  const char* pattern;
  std::string expected;
};

TEST(FillIn, PutsEachArgumentInItsPlaceholder) {
  const FillCase cases[] = {
      {"Age: {1} {2}", "Age: 12,345 days"},
      {"{2}, {1}", "days, 12,345"},          // translators may reorder
      {"{1} and {1}", "12,345 and 12,345"},  // and repeat
      {"{3} stays", "{3} stays"},            // no third argument
      {"{0} {} {x} {1", "{0} {} {x} {1"},    // not placeholders
      {"100%: {1}", "100%: 12,345"},
      {"", ""},
  };
  for (const FillCase& c : cases)
    EXPECT_EQ(fillIn(c.pattern, "12,345", "days"), c.expected) << "pattern " << c.pattern;
}

// Reads tests/catalogue/pl.po, compiled at build time, as a Polish user would.
class Catalogue : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("LANGUAGE", "pl", 1);
    std::setlocale(LC_ALL, "C.UTF-8");
    catalogue::open(TIDEWELL_TEST_LOCALE_DIR);
  }
};

TEST_F(Catalogue, TranslatesATextAndLeavesAnUnknownOneEnglish) {
  EXPECT_STREQ(_("Chart"), "Wykres");
  EXPECT_STREQ(_("Chart key"), "Chart key");
}

TEST_F(Catalogue, FindsATextByItsContextOnly) {
  EXPECT_STREQ(C_("File menu", "&Open"), "&Otwórz");
  EXPECT_STREQ(_(NC_("File menu", "&Open")), "&Otwórz");
  EXPECT_STREQ(C_("People window", "&Open"), "&Open");
  EXPECT_STREQ(_("&Open"), "&Open");
}

TEST_F(Catalogue, ChoosesTheLanguagesPluralForm) {
  const std::pair<unsigned long, const char*> years[] = {
      {1, "{1} rok"}, {3, "{1} lata"}, {5, "{1} lat"}, {22, "{1} lata"}, {12, "{1} lat"}};
  for (const auto& [n, form] : years) EXPECT_STREQ(_n("{1} year", "{1} years", n), form) << n;
  EXPECT_STREQ(C_n("age", "{1} week", "{1} weeks", 4), "{1} tygodnie");
  // Not in the catalogue: English's own two forms.
  EXPECT_STREQ(C_n("age", "{1} day", "{1} days", 1), "{1} day");
  EXPECT_STREQ(C_n("age", "{1} day", "{1} days", 2), "{1} days");
}

TEST_F(Catalogue, ReadsTheLanguageAndItsDirection) {
  EXPECT_EQ(catalogue::language(), "pl");
  EXPECT_TRUE(catalogue::rightToLeft()) << "the test catalogue turns the direction round";
}

}  // namespace
}  // namespace tw
