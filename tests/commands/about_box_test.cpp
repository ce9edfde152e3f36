#include "commands/about_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mock/about_fakes.h"
#include "version.h"

namespace tw::test {
namespace {

TEST(AboutBox, FillGivesTitleAndTwoTwoLineNoticesAndTheIconInvertsEachTime) {
  AboutFixture f;
  f.main.fill();
  EXPECT_EQ(f.title.value, std::string("Tidewell ") + kVersion);
  for (const std::string& t : {f.notice.value, f.contact.value}) {
    const auto brk = t.find("\r\n");
    EXPECT_NE(brk, std::string::npos) << t;
    EXPECT_GT(brk, 0u) << t;
    EXPECT_LT(brk + 2, t.size()) << t;
    EXPECT_EQ(std::ranges::count(t, '\n') + std::ranges::count(t, '\r'), 2) << t;
  }
  f.main.invertIcon();
  f.main.invertIcon();
  EXPECT_EQ(f.icon.inversions, 2);
}

TEST(AboutBox, SystemInfoStartsTheToolFoundOrSaysItIsUnavailable) {
  const std::string tool = "/usr/bin/hardinfo";
  const struct { const char* what; bool found, starts, fails, unavailable; } cases[] = {
      {"found and started", true, true, false, false},
      {"none found", false, true, false, true},
      {"found but does not start", true, false, false, true},
      {"the lookup fails", true, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AboutFixture f;
    if (c.found) f.tool.path = tool;
    f.tool.works = c.starts;
    f.tool.fails = c.fails;
    f.main.startSystemInfo();
    EXPECT_EQ(f.tool.started, c.found && !c.fails ? std::vector<std::string>{tool} : std::vector<std::string>{});
    const Shown unavailable{{"System Information Is Unavailable At This Time", MessageKind::Plain, ""}};
    EXPECT_EQ(f.messages.shown, c.unavailable ? unavailable : Shown{});
  }
}

}  // namespace
}  // namespace tw::test
