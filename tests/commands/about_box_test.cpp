#include "commands/about_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mock/about_fakes.h"

namespace tw::test {
namespace {

const std::string kToolPath = "C:\\Windows\\System32\\msinfo32.exe";
const std::string kToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

TEST(AboutBox, LoadFillsTitleAndTwoTwoLineNoticesAndTheIconInvertsWholeEachTime) {
  AboutFixture f;
  f.main.fill();
  EXPECT_EQ(f.title.text, "Tidewell 1.3.18");
  for (const std::string& t : {f.notice.text, f.contact.text}) {
    const auto brk = t.find("\r\n");
    EXPECT_TRUE(brk > 0 && brk != std::string::npos && brk + 2 < t.size()) << t;
    EXPECT_EQ(std::ranges::count(t, '\n') + std::ranges::count(t, '\r'), 2) << t;
  }
  f.main.invertIcon();  // a 4 by 3 box: a swapped width and height would miss pixels
  f.main.invertIcon();
  const std::vector<double> whole{0, 0, 4, 3, 0, 0, 4, 3, double(DSTINVERT)};
  EXPECT_EQ(f.icon.calls, (std::vector<std::vector<double>>{whole, whole}));
}

TEST(AboutBox, GetKeyValueTakesTextsAndNumbersLeavesOtherTypesAndClosesWhatItOpened) {
  using namespace std::string_literals;
  const struct { const char* what; RegValue stored; bool found; std::string expected;
                 HKEY root = HKEY_LOCAL_MACHINE; const char *key = "SOFTWARE\\Key", *value = "Value"; } cases[] = {
      {"text with its NUL", {REG_SZ, "C:\\x\\tool.exe\0"s}, true, "C:\\x\\tool.exe"},
      {"text without a NUL", {REG_SZ, "C:\\x.exe"s}, true, "C:\\x.exe"},
      {"only the last NUL goes", {REG_SZ, "ab\0\0"s}, true, "ab\0"s}, {"a NUL alone", {REG_SZ, "\0"s}, true, ""},
      {"32-bit number, last byte first", {REG_DWORD, "\x78\x56\x34\x12"s}, true, "&h12345678"},
      {"number ending in a zero byte", {REG_DWORD, "\x2A\x01\x00\x00"s}, true, "&h00012A"},
      {"expandable text is another type", {2, "%WINDIR%\0"s}, true, "before"},
      {"missing key", regText("x"), false, "", HKEY_LOCAL_MACHINE, "SOFTWARE\\Other"},
      {"same path, another root", regText("x"), false, "", 0x80000001},
      {"missing value", regText("x"), false, "", HKEY_LOCAL_MACHINE, "SOFTWARE\\Key", "Other"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AboutFixture f;
    f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Key", "Value", c.stored);
    std::string val = "before";  // left alone for a type other than a text or a number
    EXPECT_EQ(f.main.GetKeyValue(c.root, c.key, c.value, val), c.found);
    EXPECT_EQ(val, c.expected);
    EXPECT_TRUE(f.registry.handles.empty()) << "key left open";
  }
}

TEST(AboutBox, SysInfoStartsTheToolFromItsOwnKeyOrTheSharedFolderOrSaysItIsUnavailable) {
  const std::string folderTool = kToolFolder + "\\MSINFO32.EXE";
  const struct { const char* what; bool pathKey, folderKey, fileThere, starts, throws; std::string started; } cases[] = {
      {"own key, started unchecked", true, true, false, true, false, kToolPath},
      {"shared folder", false, true, true, true, false, folderTool},
      {"no key at all", false, false, false, true, false, ""},
      {"folder without the tool", false, true, false, true, false, ""},
      {"the tool does not start", true, false, false, false, false, kToolPath},
      {"the folder's tool does not start", false, true, true, false, false, folderTool},
      {"the registry fails", true, true, true, true, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AboutFixture f;
    if (c.pathKey)
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", regText(kToolPath));
    if (c.folderKey)
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", regText(kToolFolder));
    if (c.fileThere) f.files.files.insert(folderTool);
    f.starter.works = c.starts;
    f.registry.throwOnOpen = c.throws;
    f.main.startSystemInfo();
    EXPECT_EQ(f.starter.started, c.started.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.started});
    EXPECT_TRUE(f.registry.handles.empty());
    EXPECT_EQ(f.messages.shown, (c.started.empty() || !c.starts
                                     ? Shown{{"System Information Is Unavailable At This Time", 0, ""}} : Shown{}));
  }
}

}  // namespace
}  // namespace tw::test
