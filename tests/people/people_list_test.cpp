#include "people/people_list.h"

#include <gtest/gtest.h>

#include "mock/main_window_fixture.h"
#include "mock/memory_file.h"
#include "people/person_entry.h"
#include "settings/merging_store.h"

namespace tw::test {
namespace {

using Lines = std::vector<std::string>;
const Date kAnn = fromYmd(1990, 12, 25);
const Date kMe = fromYmd(1980, 6, 1);

// Both birthdays are "Me"'s; the list is loaded from the given slots.
struct PeopleListTest : ::testing::Test, MainWindowFixture {
  FakeListBox list;
  FakeControl editB, deleteB, drawB;
  FakeTextBox name;
  FakeDatePicker date;
  FakeControl okB, welcomeParts;
  PersonEntry entry{PersonEntryControls{personEntryWindow, name, date, okB, welcomeParts},
                    messages};
  PeopleList people{PeopleListControls{peopleListWindow, list, editB, deleteB, drawB}, main, entry,
                    messages, store};

  void start(Date chartDate,
             std::initializer_list<std::tuple<int, std::string, std::string>> persons) {
    store.values["Birthname1"] = store.values["Birthname2"] = "Me";
    for (const auto& [slot, n, d] : persons) {
      store.values["PeopleName " + std::to_string(slot)] = n;
      store.values["PeopleDate " + std::to_string(slot)] = d;
    }
    startWith(kMe, kMe, chartDate);
    people.load();
  }
  void select(int index) {
    list.index = index;
    people.selectionChanged();
  }
  // What the user does in the entry window when it comes up.
  void onEntry(std::function<void()> user) { personEntryWindow.onShowModal = std::move(user); }
};

TEST_F(PeopleListTest, NewFillsTheSlotDeleteFreed) {
  start(clock.day, {{1, "Ann", "25/12/1990"}, {2, "Bob", "1/2/1970"}});
  EXPECT_FALSE(editB.isEnabled()) << "Edit is enabled with nothing chosen";
  select(0);
  EXPECT_EQ((std::vector<bool>{editB.isEnabled(), deleteB.isEnabled(), drawB.isEnabled()}),
            (std::vector<bool>{true, true, true}));
  messages.answers = {ui::Answer::No, ui::Answer::Yes};
  people.deleteSelectedPerson();
  EXPECT_EQ(store.values["PeopleName 1"], "Ann") << "deleted on No";
  people.deleteSelectedPerson();
  const ShownMessage sure{"Are you sure you want to delete the entry\r\nfor \"Ann\"?",
                          MessageKind::Question, "Tidewell"};
  EXPECT_EQ(messages.shown, (Shown{sure, sure}));
  EXPECT_EQ(store.values["PeopleDate 1"], "30/12/1899");
  EXPECT_FALSE(drawB.isEnabled()) << "Draw is enabled with nothing chosen";

  main.chooseBirthday2();  // the entry still starts from the first birthday
  onEntry([this] {
    EXPECT_EQ(date.value(), kMe);
    entry.accept();  // without a name: refused
    EXPECT_TRUE(personEntryWindow.visible) << "the entry window stayed hidden";
    name.setText("Cy");
    entry.accept();
  });
  people.addPerson();
  EXPECT_EQ(list.lines, (Lines{"Cy (1/6/1980)", "Bob (1/2/1970)"}));
  EXPECT_EQ(store.values["PeopleName 1"], "Cy");
  EXPECT_EQ(messages.shown.back(),
            (ShownMessage{"You must enter a name!", MessageKind::Warning, ""}));
}

// Cancel in the entry window, after typing over both fields: the list keeps its lines and
// selection, and nothing is written.
TEST_F(PeopleListTest, CancelInTheEntryLeavesTheListAsItWas) {
  const struct {
    const char* name;
    int selected;
    void (PeopleList::*open)();
  } cases[] = {
      {"a new person", -1, &PeopleList::addPerson},
      {"an edited person", 1, &PeopleList::editSelectedPerson},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    start(clock.day, {{1, "Ann", "25/12/1990"}, {2, "Bob", "1/2/1970"}});
    select(c.selected);
    store.writes.clear();
    const int syncs = store.syncs, shown = personEntryWindow.modalCount;
    onEntry([this] {
      name.setText("Typed");
      date.setValue(fromYmd(2001, 1, 1));
      entry.cancel();
    });
    (people.*c.open)();
    EXPECT_EQ(personEntryWindow.modalCount, shown + 1) << "the entry window was not shown";
    EXPECT_EQ(std::tuple(list.lines, list.index, editB.isEnabled()),
              std::tuple(Lines{"Ann (25/12/1990)", "Bob (1/2/1970)"}, c.selected, c.selected >= 0));
    EXPECT_EQ(std::tuple(store.writes.size(), store.syncs), std::tuple(0u, syncs));
  }
}

TEST_F(PeopleListTest, AFullListRefusesNewWithoutOpeningTheEntry) {
  start(clock.day, {});
  for (int n = 1; n <= 50; ++n) store.values["PeopleName " + std::to_string(n)] = "P";
  people.load();
  people.addPerson();
  EXPECT_EQ(personEntryWindow.modalCount, 0);
  EXPECT_EQ(messages.shown.back(),
            (ShownMessage{"You have already entered the maximum\r\nnumber of people.",
                          MessageKind::Information, "Tidewell"}));
}

TEST_F(PeopleListTest, TheChosenPersonTakesTheBirthdayTheListWasOpenedFor) {
  const struct {
    const char* what;
    bool second, selected;
    Date chartDate, birthday, birthday2, shownChartDate;
  } cases[] = {
      {"first birthday", false, true, clock.day, kAnn, kMe, clock.day},
      {"second birthday, the chart date before it", true, true, kMe, kMe, kAnn, kAnn},
      {"nobody selected", false, false, fromYmd(1899, 1, 1), kMe, kMe, fromYmd(1899, 1, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    start(c.chartDate, {{6, "Ann", "25/12/1990"}});
    const int before = redraws();
    peopleListWindow.onShowModal = [&] {
      if (c.selected) select(0);
      people.drawSelectedPerson();  // "Draw chart" is the double-click
      EXPECT_FALSE(peopleListWindow.visible) << "the people list is still shown";
    };
    c.second ? main.chooseBirthday2() : main.chooseBirthday();
    const ChartState& st = main.state();
    EXPECT_EQ((std::vector<Date>{st.birthday, birthdayPicker.value(), st.birthday2,
                                 birthday2Picker.value()}),
              (std::vector<Date>{c.birthday, c.birthday, c.birthday2, c.birthday2}));
    EXPECT_EQ(std::tuple(st.name, st.name2, st.chartDate, chartDatePicker.value(), redraws()),
              std::tuple(c.birthday == kAnn ? "Ann" : "Me", c.birthday2 == kAnn ? "Ann" : "Me",
                         c.shownChartDate, c.shownChartDate, before + 1));
  }
}

// Two running copies, each with its list open since before the other's change: nobody's person
// is overwritten by a stale slot, and an edit or delete finds its person where it is now.
TEST_F(PeopleListTest, TwoCopiesKeepEachOthersPeople) {
  start(clock.day, {});
  MemoryFile file;
  file.text = "[Tidewell]\nPeopleName%201=Ann\nPeopleDate%201=25/12/1990\n";
  MergingSettingsStore storeA(file), storeB(file);
  FakeListBox listA, listB;
  PeopleList a{PeopleListControls{peopleListWindow, listA, editB, deleteB, drawB}, main, entry,
               messages, storeA};
  PeopleList b{PeopleListControls{peopleListWindow, listB, editB, deleteB, drawB}, main, entry,
               messages, storeB};
  a.load();
  b.load();
  const auto add = [&](PeopleList& list, const std::string& who) {
    onEntry([&] { name.setText(who), entry.accept(); });
    list.addPerson();
  };
  add(a, "Bob");
  add(b, "Cy");
  listB.index = 0;  // "Ann"; b still lists Bob, whom a now deletes
  messages.answers = {ui::Answer::Yes};
  a.load();
  listA.index = 1;  // Bob
  a.deleteSelectedPerson();
  onEntry([&] { name.setText("Ann B"), entry.accept(); });
  b.editSelectedPerson();
  b.load();
  EXPECT_EQ(listB.lines, (Lines{"Ann B (25/12/1990)", "Cy (1/6/1980)"}));
}

}  // namespace
}  // namespace tw::test
