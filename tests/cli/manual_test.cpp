#include "cli/manual.h"

#include <gtest/gtest.h>

#include <regex>

#include "cli/program.h"

namespace tw::cli {
namespace {

TEST(Manual, SetsTextSoThatNoLineStartsARequest) {
  const std::pair<std::string, std::string> cases[] = {
      {".TH", "\\&.TH"},
      {"'quoted'", "\\&'quoted'"},
      {"a.b 'c'", "a.b 'c'"},
      {"x\n.y", "x\n\\&.y"},
      {"--out", "\\-\\-out"},
      {"C:\\dir", "C:\\edir"},
      {"", ""},
  };
  for (const auto& [text, set] : cases) EXPECT_EQ(roffText(text), set) << "text: " << text;
}

// What --help names, the page names: every option and every example command.
TEST(Manual, TheChartPageHoldsEveryOptionAndExampleOfItsHelp) {
  std::string page = chartManual();
  for (std::size_t at; (at = page.find("\\-")) != std::string::npos;) page.replace(at, 2, "-");
  const std::string help = helpText();
  const std::regex option("--[a-z0-9-]+|^ {27}(.+)$", std::regex::multiline);
  int seen = 0;
  for (std::sregex_iterator m(help.begin(), help.end(), option), end; m != end; ++m, ++seen) {
    const std::string wanted = (*m)[1].matched ? (*m)[1].str() : m->str();
    EXPECT_NE(page.find(wanted), std::string::npos) << "not in tidewell-chart.1: " << wanted;
  }
  EXPECT_GT(seen, 40) << "too few options and examples read from --help";
}

}  // namespace
}  // namespace tw::cli
