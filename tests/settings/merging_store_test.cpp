#include "settings/merging_store.h"

#include <gtest/gtest.h>

#include "mock/memory_file.h"
#include "settings/settings_document.h"
#include "settings/text_forms.h"

namespace tw {
namespace {

using Values = std::map<std::string, std::string>;

TEST(MergingStore, AFileNotReadWholeIsNeverWritten) {
  test::MemoryFile file;
  file.text = "[Tidewell]\nPeopleName%201=Ann\n";
  file.keepAsItIs = "It is a named pipe, not a file";
  MergingSettingsStore store(file);
  EXPECT_EQ(store.leftUntouchedBecause(), file.keepAsItIs);
  EXPECT_FALSE(store.isNew()) << "taken for a first run";
  EXPECT_EQ(store.read("PeopleName 1", ""), "Ann");  // what could be read is used
  store.write("PeopleName 1", "Zed");
  file.keepAsItIs.clear();  // even once it could be: not this run
  store.sync();
  EXPECT_EQ(file.replaced, 0);
  EXPECT_EQ(*file.text, "[Tidewell]\nPeopleName%201=Ann\n");
}

// A key the file lacks is written even with the text it reads as, so a first run's file is whole.
TEST(MergingStore, AnAbsentKeyIsWrittenWhateverItGets) {
  test::MemoryFile file;
  MergingSettingsStore store(file);
  EXPECT_EQ(store.read("Average", "0"), "0");
  store.write("Average", "0");
  store.sync();
  EXPECT_EQ(*file.text, "[Tidewell]\nAverage=0\n");
}

// A file too large to hold, read in pieces of `piece` bytes: what is kept reads back as the
// program's own keys of its section.
TEST(ProgramKeys, KeepOnlyTheProgramsKeysOfItsSection) {
  const std::string ours = "[Tidewell]\r\nChart%20type=\" 1\"\r\n";
  const Values one = {{"Chart type", " 1"}};
  const struct {
    const char* name;
    std::string text;
    std::size_t piece;
    Values want;
  } rows[] = {
      {"whole lines", ours, 1000, one},
      {"pieces of a byte", ours, 1, one},
      {"another section's key", "[Other]\nChart%20type=9\n" + ours + "[Else]\nChart%20type=8", 7,
       one},
      {"a key the program does not know", ours + "Unknown=u\n", 5, one},
      {"the last of a key",
       "[Tidewell]\nPeopleName 3=Ann\nPeopleName 3=Anna",
       4,
       {{"PeopleName 3", "Anna"}}},
      {"a key marked as having no value", ours + "Chart%20type=@Invalid()", 3, {}},
      {"after a byte-order mark", "\xEF\xBB\xBF" + ours, 2, one},
      {"lone CRs",
       "[Tidewell]\rPeopleName 1=A\rPeopleName 2=B",
       6,
       {{"PeopleName 1", "A"}, {"PeopleName 2", "B"}}},
  };
  for (const auto& r : rows) {
    ProgramKeys keys;
    for (std::size_t at = 0; at < r.text.size(); at += r.piece)
      keys.read(std::string_view(r.text).substr(at, r.piece));
    EXPECT_EQ(sectionValues(keys.text(), kSettingsSection), r.want) << r.name;
  }
}

// A line of megabytes keeps no more than the longest name takes, however it is cut.
TEST(ProgramKeys, KeepAHugeLineSmall) {
  ProgramKeys keys;
  keys.read("[Tidewell]\nBirthname1=\"");  // its quote never closes
  const std::string block(64 * 1024, 'x');
  for (int i = 0; i < 50; ++i) keys.read(block);
  keys.read("\nPeopleName 1=Ann\n");
  const std::string text = keys.text();
  EXPECT_LT(text.size(), 2 * 4 * kLongestName) << "kept " << text.size() << " bytes";
  const Values values = sectionValues(text, kSettingsSection);
  EXPECT_EQ(readName(values.at("Birthname1")), std::string(kLongestName, 'x'));
  EXPECT_EQ(values.at("PeopleName 1"), "Ann");
}

}  // namespace
}  // namespace tw
