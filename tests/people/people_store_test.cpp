#include "people/people_store.h"

#include <gtest/gtest.h>

#include "mock/fakes.h"

namespace tw {
namespace {

TEST(PeopleStore, StoredDatesReadDayFirstOrAsTheDefault) {
  const Date y1990 = fromYmd(1990, 1, 1);
  const std::pair<std::string, Date> cases[] = {{"25/12/1990", fromYmd(1990, 12, 25)},
                                                {"1/1/90", y1990},
                                                {"30/12/1899", 0},
                                                {"-1/1/2000", y1990},
                                                {"12/31/2001", y1990},
                                                {"", y1990}};
  test::MemoryStore store;
  for (int n = 1; n <= 6; ++n) store.values["PeopleDate " + std::to_string(n)] = cases[n - 1].first;
  store.values["PeopleDate 50"] = "2/3/2004";
  PeopleStore people(store);
  people.load();
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(people.dates[n], cases[n - 1].second) << cases[n - 1].first;
  EXPECT_EQ(people.dates[50], fromYmd(2004, 3, 2));
  EXPECT_EQ(people.dates[49], y1990);  // never stored
}

TEST(PeopleStore, StoredNamesAreCutAtTheLongestName) {
  test::MemoryStore store;
  store.values = {{"PeopleName 1", std::string(1000, 'n')},
                  {"PeopleName 50", std::string(1001, 'n')}};
  PeopleStore people(store);
  people.load();
  EXPECT_EQ(people.names[1], std::string(1000, 'n'));
  EXPECT_EQ(people.names[50], std::string(1000, 'n'));
}

TEST(PeopleStore, SaveWritesBothKeysOfEverySlot) {
  test::MemoryStore store;
  PeopleStore people(store);
  people.load();
  people.save();
  // Both keys of slots 1 to 50 and no others, so a freed slot overwrites its old values.
  ASSERT_EQ(store.writes.size(), 100u);
  EXPECT_EQ(store.values.size(), 100u);
  EXPECT_EQ(store.writes[99], (std::pair<std::string, std::string>{"PeopleDate 50", "1/1/1990"}));
}

TEST(PeopleStore, TheFirstAndLastSlots) {
  test::MemoryStore store;
  PeopleStore people(store);
  for (int n = 1; n <= PeopleStore::kSlots; ++n) people.names[n] = "P" + std::to_string(n);
  EXPECT_EQ(people.slotOf("P1 (30/12/1899)"), 1);
  EXPECT_EQ(people.slotOf("P50 (30/12/1899)"), 50);
  EXPECT_EQ(people.lowestFreeSlot(), 0);
  people.names[50].clear();
  EXPECT_EQ(people.lowestFreeSlot(), 50);
  EXPECT_EQ(people.slotOf("P50 (30/12/1899)"), 0);
}

TEST(PeopleStore, ALineIsFoundInTheHighestSlotThatHasIt) {
  test::MemoryStore store;
  PeopleStore people(store);
  const std::tuple<int, const char*, Date> persons[] = {{5, "Ann", fromYmd(1990, 12, 25)},
                                                        {2, "Anna", fromYmd(1990, 12, 25)},
                                                        {8, "Bo", fromYmd(2000, 1, 1)},
                                                        {3, "Bo", fromYmd(2000, 1, 1)},
                                                        {9, "bo", fromYmd(2000, 1, 1)}};
  for (const auto& [slot, name, d] : persons) {
    people.names[slot] = name;
    people.dates[slot] = d;
  }
  people.dates[1] = fromYmd(1990, 1, 1);  // a free slot is never anybody's line
  test::FakeListBox list;
  list.index = 0;
  people.fill(list);
  EXPECT_EQ(list.lines,
            (std::vector<std::string>{"Anna (25/12/1990)", "Bo (1/1/2000)", "Ann (25/12/1990)",
                                      "Bo (1/1/2000)", "bo (1/1/2000)"}));
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(people.lowestFreeSlot(), 1);
  const std::pair<std::string, int> cases[] = {{"Anna (25/12/1990)", 2}, {"Ann (25/12/1990)", 5},
                                               {"Bo (1/1/2000)", 8},     {"bo (1/1/2000)", 9},
                                               {"Bo (01/01/2000)", 0},   {"Ann (25/12/1990) ", 0},
                                               {" (1/1/1990)", 0},       {"", 0}};
  for (const auto& [line, slot] : cases) EXPECT_EQ(people.slotOf(line), slot) << line;
}

}  // namespace
}  // namespace tw
