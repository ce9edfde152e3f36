#include "settings/merging_store.h"

#include <gtest/gtest.h>

#include "mock/memory_file.h"
#include "settings/settings_document.h"

namespace tw {
namespace {

using Values = std::map<std::string, std::string>;
Values stored(const test::MemoryFile& f) { return sectionValues(f.text.value_or(""), "Tidewell"); }

// Two copies of the program on one file: each one's save keeps what the other saved, and a
// copy that writes back what it read undoes nobody's change.
TEST(MergingStore, TwoCopiesSavingInTurnKeepBothChanges) {
  test::MemoryFile file;
  file.text = "[Tidewell]\nAverage=0\nPeopleName%201=Ann\n[Junk]\nkept=1\n";
  MergingSettingsStore first(file), second(file);
  EXPECT_EQ(second.read("Average", "?"), "0");
  first.write("Average", "-1");
  first.sync();
  second.write("PeopleName 2", "Bob");
  second.write("Average", "0");  // its own, unchanged idea of the option, written at exit
  second.sync();
  EXPECT_EQ(stored(file),
            (Values{{"Average", "-1"}, {"PeopleName 1", "Ann"}, {"PeopleName 2", "Bob"}}));
  EXPECT_NE(file.text->find("[Junk]\nkept=1\n"), std::string::npos) << *file.text;
  second.refresh();  // the people list takes the stored list before each change
  EXPECT_EQ(second.read("Average", "?"), "-1");
}

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

}  // namespace
}  // namespace tw
