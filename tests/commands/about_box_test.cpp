#include "commands/frm_about.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mock/about_fakes.h"

namespace tw::test {
namespace {

const std::string kToolPath = "C:\\Windows\\System32\\msinfo32.exe";
const std::string kToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

TEST(AboutBox, LoadFillsTitleAndTwoTwoLineNotices) {
  AboutFixture f;
  f.form.Form_Load();
  EXPECT_EQ(f.title.text, "Tidewell 1.3.18");
  for (const std::string& t : {f.notice.text, f.contact.text}) {
    const auto brk = t.find("\r\n");
    EXPECT_TRUE(brk > 0 && brk + 2 < t.size() && brk != std::string::npos) << t;
    EXPECT_EQ(std::ranges::count(t, '\n') + std::ranges::count(t, '\r'), 2) << t;
  }
}

TEST(AboutBox, IconDoubleClickInvertsTheWholeBoxEachTime) {
  AboutFixture f;  // a 4 by 3 box: a swapped width and height would miss pixels
  f.form.picIcon_DblClick();
  f.form.picIcon_DblClick();
  const std::vector<double> whole{0, 0, 4, 3, 0, 0, 4, 3, double(DSTINVERT)};
  EXPECT_EQ(f.icon.calls, (std::vector<std::vector<double>>{whole, whole}));
}

TEST(AboutBox, GetKeyValueTakesTextsWithOrWithoutTheirClosingNulAndLeavesOtherTypes) {
  using namespace std::string_literals;
  const struct { const char* what; RegValue value; std::string expected; } cases[] = {
      {"text with its NUL", {REG_SZ, "C:\\x\\tool.exe\0"s}, "C:\\x\\tool.exe"},
      {"text without a NUL", {REG_SZ, "C:\\x\\tool.exe"s}, "C:\\x\\tool.exe"},
      {"only the last NUL goes", {REG_SZ, "ab\0\0"s}, "ab\0"s},
      {"a NUL alone is the empty text", {REG_SZ, "\0"s}, ""},
      {"32-bit number, last byte first", {REG_DWORD, "\x78\x56\x34\x12"s}, "&h12345678"},
      {"32-bit number ending in a zero byte", {REG_DWORD, "\x2A\x01\x00\x00"s}, "&h00012A"},
      {"expandable text is another type", {2, "%WINDIR%\0"s}, "before"},
      {"binary", {3, "\x01\x02"s}, "before"},
  };
  for (const auto& c : cases) {
    AboutFixture f;
    f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Some\\Key", "Value", c.value);
    std::string val = "before";  // left alone for a type other than a text or a number
    EXPECT_TRUE(f.form.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Some\\Key", "Value", val))
        << c.what;
    EXPECT_EQ(val, c.expected) << c.what;
    EXPECT_TRUE(f.registry.handles.empty()) << c.what << ": key left open";
    EXPECT_EQ(f.registry.lastOptions, 0u);
    EXPECT_EQ(f.registry.lastAccess, 0x2003Fu);
    EXPECT_EQ(f.registry.roomOffered, 1024u);
  }
}

TEST(AboutBox, GetKeyValueFailsOnAMissingKeyOrValueAndClosesWhatItOpened) {
  AboutFixture f;
  f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Some\\Key", "Value", regText("x"));
  // The last call closes the handle it had, or 0 when the key did not open.
  const struct { HKEY root; const char* key; const char* value; const char* closed; } cases[] = {
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Other", "Value", "close 0"},
      {0x80000001, "SOFTWARE\\Some\\Key", "Value", "close 0"},  // same path, another root
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Some\\Key", "Other", "close 256"},
  };
  for (const auto& c : cases) {
    f.registry.log.clear();
    std::string val = "before";
    EXPECT_FALSE(f.form.GetKeyValue(c.root, c.key, c.value, val)) << c.key << " " << c.value;
    EXPECT_EQ(val, "");
    ASSERT_FALSE(f.registry.log.empty());
    EXPECT_EQ(f.registry.log.back(), c.closed);
    EXPECT_TRUE(f.registry.handles.empty());
    f.registry.nextHandle = 0x100;
  }
}

TEST(AboutBox, SysInfoStartsTheToolFromItsOwnKeyOrTheSharedFolderOrSaysItIsUnavailable) {
  const std::string folderTool = kToolFolder + "\\MSINFO32.EXE";
  const struct {
    const char* what;
    bool pathKey, folderKey, fileThere, starts, throws;
    std::string started;
  } cases[] = {
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
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                     regText(kToolPath));
    if (c.folderKey)
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                     regText(kToolFolder));
    if (c.fileThere) f.files.files.insert(folderTool);
    f.starter.works = c.starts;
    f.registry.throwOnOpen = c.throws;
    f.form.cmdSysInfo_Click();
    EXPECT_EQ(f.starter.started, c.started.empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{c.started});
    for (int style : f.starter.styles) EXPECT_EQ(style, vbNormalFocus);
    EXPECT_TRUE(f.registry.handles.empty());
    EXPECT_TRUE(!c.pathKey || c.throws || f.files.asked.empty());  // its own key is unchecked
    if (c.started.empty() || !c.starts) {
      ASSERT_EQ(f.messages.shown.size(), 1u);
      EXPECT_EQ(f.messages.shown[0].prompt, "System Information Is Unavailable At This Time");
      EXPECT_EQ(f.messages.shown[0].style, 0);
      EXPECT_EQ(f.messages.shown[0].title, "");
    } else {
      EXPECT_TRUE(f.messages.shown.empty());
    }
  }
  AboutFixture f;  // the order of the registry calls on the way to the shared folder
  f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                 regText(kToolFolder));
  f.form.StartSysInfo();
  EXPECT_EQ(f.registry.log, (std::vector<std::string>{
      "open SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "close 0",
      "open SOFTWARE\\Microsoft\\Shared Tools Location", "query MSINFO", "close 256"}));
}

}  // namespace
}  // namespace tw::test
