#include "people/people_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "mock/fakes.h"

namespace tw {
namespace {

using test::FakeListBox;
using test::MemoryStore;

TEST(PeopleStore, FirstRunHasFiftyFreeSlotsAndSavesAllHundredKeys) {
  MemoryStore store;
  PeopleStore people(store);
  people.LoadPeople();
  FakeListBox list;
  list.addItem("stale");
  people.FillPeopleList(list);
  EXPECT_TRUE(list.lines.empty());
  EXPECT_EQ(people.peopledate[1], fromYmd(1990, 1, 1));
  EXPECT_EQ(people.peopledate[50], fromYmd(1990, 1, 1));
  EXPECT_EQ(people.lowestFreeSlot(), 1);

  people.SavePeople();
  ASSERT_EQ(store.writes.size(), 100u);
  using KV = std::pair<std::string, std::string>;
  EXPECT_EQ(store.writes[0], KV("PeopleName 1", ""));
  EXPECT_EQ(store.writes[1], KV("PeopleDate 1", "1/1/1990"));
  EXPECT_EQ(store.writes[18], KV("PeopleName 10", ""));
  EXPECT_EQ(store.writes[99], KV("PeopleDate 50", "1/1/1990"));
  EXPECT_EQ(store.values.size(), 100u);  // no slot 0, no 51, no padded numbers
  EXPECT_EQ(store.values.count("PeopleName 0") + store.values.count("PeopleName 51") +
                store.values.count("PeopleName 01"),
            0u);
  EXPECT_EQ(store.syncs, 1);
}

TEST(PeopleStore, StoredDatesReadDayFirstAndBadOnesGiveFirstJanuary1990) {
  const std::pair<std::string, Date> cases[] = {
      {"25/12/1990", fromYmd(1990, 12, 25)},
      {"4/12/2026", fromYmd(2026, 12, 4)},
      {"1/1/90", fromYmd(1990, 1, 1)},
      {"30/12/1899", 0},
      {"31/2/2001", fromYmd(1990, 1, 1)},
      {"12/31/2001", fromYmd(1990, 1, 1)},
      {"garbage", fromYmd(1990, 1, 1)},
      {"", fromYmd(1990, 1, 1)},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    MemoryStore store;
    store.values["PeopleDate 7"] = text;
    PeopleStore people(store);
    people.LoadPeople();
    EXPECT_EQ(people.peopledate[7], expected);
  }
}

TEST(PeopleStore, ListShowsPeopleInSlotOrderSkippingFreeSlots) {
  MemoryStore store;
  store.values["PeopleName 7"] = "Zed";
  store.values["PeopleDate 7"] = "3/4/2001";
  store.values["PeopleName 2"] = "Ann";
  store.values["PeopleDate 2"] = "25/12/1990";
  PeopleStore people(store);
  people.LoadPeople();
  FakeListBox list;
  list.index = 0;
  people.FillPeopleList(list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"Ann (25/12/1990)", "Zed (3/4/2001)"}));
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(people.lowestFreeSlot(), 1);
}

TEST(PeopleStore, FindPersonMatchesWholeLinesAndTakesTheHighestSlot) {
  MemoryStore store;
  PeopleStore people(store);
  auto put = [&](int slot, const char* name, Date d) {
    people.peoplename[slot] = name;
    people.peopledate[slot] = d;
  };
  put(5, "Ann", fromYmd(1990, 12, 25));
  put(2, "Anna", fromYmd(1990, 12, 25));
  put(3, "Bo", fromYmd(2000, 1, 1));
  put(8, "Bo", fromYmd(2000, 1, 1));
  put(9, "bo", fromYmd(2000, 1, 1));
  put(11, "Bo", fromYmd(2000, 1, 2));
  people.peopledate[1] = fromYmd(1990, 1, 1);  // free slot: "" would give " (1/1/1990)"
  const std::pair<std::string, int> cases[] = {
      {"Anna (25/12/1990)", 2},
      {"Ann (25/12/1990)", 5},
      {"Bo (1/1/2000)", 8},
      {"bo (1/1/2000)", 9},
      {"Bo (2/1/2000)", 11},
      {"Bo (01/01/2000)", 0},
      {"Ann (25/12/1990) ", 0},
      {"Ann", 0},
      {" (1/1/1990)", 0},
      {"", 0},
  };
  for (const auto& [line, slot] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(people.FindPerson(line), slot);
  }
}

TEST(PeopleStore, AwkwardNamesRoundTripThroughTheStoreAndFindPerson) {
  const std::string names[] = {
      "Jo (Jr.)", "Jo (1/1/2000)", "\"Q\" O'Neil", "a/b\\c", "Ωμέγα Дарья 李", "🎂 party",
      "  padded  ", std::string(1000, 'x'), "tab\there",
  };
  MemoryStore store;
  PeopleStore writer(store);
  int slot = 1;
  for (const auto& n : names) {
    writer.peoplename[slot] = n;
    writer.peopledate[slot] = fromYmd(2000, 1, 1) + slot;
    ++slot;
  }
  writer.SavePeople();

  PeopleStore reader(store);
  reader.LoadPeople();
  FakeListBox list;
  reader.FillPeopleList(list);
  ASSERT_EQ(list.lines.size(), std::size(names));
  for (int s = 1; s < slot; ++s) {
    EXPECT_EQ(reader.peoplename[s], names[s - 1]);
    EXPECT_EQ(reader.peopledate[s], fromYmd(2000, 1, 1) + s);
    EXPECT_EQ(reader.FindPerson(list.lines[s - 1]), s);
  }
}

}  // namespace
}  // namespace tw
