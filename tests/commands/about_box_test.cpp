#include "commands/frm_about.h"

#include <gtest/gtest.h>

#include <string>

#include "mock/about_fakes.h"

namespace tw::test {
namespace {

const std::string kToolPath = "C:\\Windows\\System32\\msinfo32.exe";
const std::string kToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kUnavailable = "System Information Is Unavailable At This Time";

TEST(AboutBox, LoadFillsTitleAndTwoTwoLineNotices) {
  AboutFixture f;
  f.form.Form_Load();
  EXPECT_EQ(f.title.text, "Tidewell 1.3.18");
  for (const std::string& t : {f.notice.text, f.contact.text}) {
    const auto brk = t.find("\r\n");
    ASSERT_NE(brk, std::string::npos) << t;
    EXPECT_GT(brk, 0u) << t;
    EXPECT_LT(brk + 2, t.size()) << t;
    EXPECT_EQ(t.find('\n', brk + 2), std::string::npos) << "more than two lines: " << t;
    EXPECT_EQ(t.find('\r', brk + 2), std::string::npos) << t;
  }
  EXPECT_NE(f.notice.text, f.contact.text);
}

TEST(AboutBox, OkClosesTheBox) {
  AboutFixture f;
  f.window.onShowModal = [&] { f.form.cmdOK_Click(); };
  f.form.Show();
  EXPECT_EQ(f.window.modalCount, 1);
  EXPECT_EQ(f.window.closeCount, 1);
}

TEST(AboutBox, IconDoubleClickInvertsTheWholeBoxEachTime) {
  AboutFixture f;  // a 4 by 3 box: a swapped width and height would miss pixels
  f.form.picIcon_DblClick();
  f.form.picIcon_DblClick();
  const std::vector<double> whole{0, 0, 4, 3, 0, 0, 4, 3, double(DSTINVERT)};
  EXPECT_EQ(f.icon.calls, (std::vector<std::vector<double>>{whole, whole}));
}

// GetKeyValue over one value stored under a key of its own.
struct ValueCase {
  const char* what;
  RegValue value;
  std::string expected;  // KeyVal afterwards; it starts as "before"
};

TEST(AboutBox, GetKeyValueTakesTextsWithOrWithoutTheirClosingNulAndLeavesOtherTypes) {
  using namespace std::string_literals;
  const ValueCase cases[] = {
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
    std::string val = "before";
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
  const struct {
    HKEY root;
    const char* key;
    const char* value;
    const char* closed;  // the handle closed on the way out
  } cases[] = {
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

TEST(AboutBox, SysInfoStartsTheToolNamedInItsOwnKeyUnchecked) {
  AboutFixture f;
  f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                 regText(kToolPath));
  f.form.cmdSysInfo_Click();
  EXPECT_EQ(f.starter.started, std::vector<std::string>{kToolPath});
  EXPECT_EQ(f.starter.styles, std::vector<int>{1});
  EXPECT_TRUE(f.files.asked.empty());
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_TRUE(f.registry.handles.empty());
}

TEST(AboutBox, SysInfoFallsBackToTheSharedToolsFolder) {
  AboutFixture f;
  f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                 regText(kToolFolder));
  f.files.files.insert(kToolFolder + "\\MSINFO32.EXE");
  f.form.StartSysInfo();
  EXPECT_EQ(f.starter.started, std::vector<std::string>{kToolFolder + "\\MSINFO32.EXE"});
  EXPECT_TRUE(f.messages.shown.empty());
  const std::vector<std::string> order{"open SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                       "close 0",
                                       "open SOFTWARE\\Microsoft\\Shared Tools Location",
                                       "query MSINFO", "close 256"};
  EXPECT_EQ(f.registry.log, order);
}

TEST(AboutBox, SysInfoIsUnavailableWhenNothingLeadsToATool) {
  const struct {
    const char* what;
    bool pathKey, folderKey, fileThere, starts, throws;
  } cases[] = {
      {"no key at all", false, false, false, true, false},
      {"folder without the tool", false, true, false, true, false},
      {"the tool does not start", true, false, false, false, false},
      {"the folder's tool does not start", false, true, true, false, false},
      {"the registry fails", true, true, true, true, true},
  };
  for (const auto& c : cases) {
    AboutFixture f;
    if (c.pathKey)
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                     regText(kToolPath));
    if (c.folderKey)
      f.registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                     regText(kToolFolder));
    if (c.fileThere) f.files.files.insert(kToolFolder + "\\MSINFO32.EXE");
    f.starter.works = c.starts;
    f.registry.throwOnOpen = c.throws;

    f.form.cmdSysInfo_Click();

    ASSERT_EQ(f.messages.shown.size(), 1u) << c.what;
    EXPECT_EQ(f.messages.shown[0].prompt, kUnavailable) << c.what;
    EXPECT_EQ(f.messages.shown[0].style, 0) << c.what;
    EXPECT_EQ(f.messages.shown[0].title, "") << c.what;
    EXPECT_TRUE(f.registry.handles.empty()) << c.what;
    if (!c.starts || c.throws) continue;
    EXPECT_TRUE(f.starter.started.empty()) << c.what;
  }
}

}  // namespace
}  // namespace tw::test
