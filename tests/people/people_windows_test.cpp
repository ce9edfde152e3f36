#include <gtest/gtest.h>

#include "mock/main_window_fixture.h"
#include "people/people_list.h"
#include "people/person_entry.h"

namespace tw::test {
namespace {

using Lines = std::vector<std::string>;
const Date kAnn = fromYmd(1990, 12, 25);
const Date kMe = fromYmd(1980, 6, 1);

struct PeopleWindows : ::testing::Test, MainWindowFixture {
  FakeListBox list;
  FakeControl newB, editB, deleteB, closeB, drawB;
  FakeTextBox name;
  FakeDatePicker date;
  PersonEntry entry{PersonEntryControls{personEntryWindow, name, date}, messages};
  PeopleList people{PeopleListControls{peopleListWindow, list, newB, editB, deleteB, closeB, drawB},
                    main, entry, messages, store};

  void SetUp() override { startMain(fromYmd(2026, 12, 5)); }
  // Both birthdays are "Me"'s.
  void startMain(Date chartDate) {
    store.values["Birthname1"] = store.values["Birthname2"] = "Me";
    startWith(kMe, kMe, chartDate);
  }
  void load(std::initializer_list<std::tuple<int, std::string, std::string>> persons) {
    for (const auto& [slot, n, d] : persons) {
      store.values["PeopleName " + std::to_string(slot)] = n;
      store.values["PeopleDate " + std::to_string(slot)] = d;
    }
    people.load();
  }
  void select(int index) {
    list.index = index;
    people.selectionChanged();
  }
  // The user types a name and presses OK when the entry window comes up.
  void answerEntry(const std::string& typed) {
    personEntryWindow.onShowModal = [this, typed] {
      name.setText(typed);
      entry.accept();
    };
  }
  bool selectionButtons() const {
    EXPECT_EQ(editB.isEnabled(), deleteB.isEnabled());
    EXPECT_EQ(editB.isEnabled(), drawB.isEnabled());
    return editB.isEnabled();
  }
};

TEST_F(PeopleWindows, DeleteFreesASlotThatNewFillsFirstAndEachChangeIsOnDisk) {
  load({{1, "Ann", "25/12/1990"}, {2, "Bob", "1/2/1970"}});
  EXPECT_FALSE(selectionButtons());
  select(0);
  EXPECT_TRUE(selectionButtons());
  messages.answers = {ui::Answer::Yes};
  people.deleteSelectedPerson();
  EXPECT_EQ(messages.shown, (Shown{{"Are you sure you want to delete the entry\r\nfor \"Ann\"?",
                                    MessageKind::Question, "Tidewell"}}));
  EXPECT_EQ(store.values["PeopleName 1"], "");
  EXPECT_EQ(store.values["PeopleDate 1"], "30/12/1899");
  EXPECT_FALSE(selectionButtons());

  main.chooseBirthday2();  // the entry still starts from the first birthday
  main.takeChosenPerson(kAnn, "Ann");
  personEntryWindow.onShowModal = [this] {
    EXPECT_EQ(name.text(), "");
    EXPECT_EQ(date.value(), kMe);
    name.setText("Cy");
    entry.accept();
  };
  const int syncs = store.syncs;
  people.addPerson();
  EXPECT_EQ(list.lines, (Lines{"Cy (1/6/1980)", "Bob (1/2/1970)"}));
  EXPECT_EQ(store.values["PeopleName 1"], "Cy");
  EXPECT_EQ(store.syncs, syncs + 1);
}

TEST_F(PeopleWindows, OkNeedsANameAndLeavingOtherwiseKeepsEveryone) {
  load({{3, "Ann", "25/12/1990"}});
  entry.nameReturnPressed();
  EXPECT_EQ(date.focusCount, 1);
  personEntryWindow.onShowModal = [this] {
    if (name.text().empty()) {
      entry.accept();
      EXPECT_TRUE(personEntryWindow.visible);
    }
    name.setText("typed but not kept");
    entry.cancel();
  };
  people.addPerson();
  select(0);
  people.editSelectedPerson();
  EXPECT_EQ(personEntryWindow.modalCount, 2);
  EXPECT_EQ(messages.shown, (Shown{{"You must enter a name!", MessageKind::Warning, ""}}));
  EXPECT_EQ(list.lines, Lines{"Ann (25/12/1990)"});
  EXPECT_EQ(store.values["PeopleName 3"], "Ann");
  EXPECT_EQ(people.people.lowestFreeSlot(), 1);

  // A full list refuses New without opening the entry.
  for (int n = 1; n <= 50; ++n) store.values["PeopleName " + std::to_string(n)] = "P";
  people.load();
  messages.shown.clear();
  people.addPerson();
  EXPECT_EQ(personEntryWindow.modalCount, 2);
  EXPECT_EQ(messages.shown, (Shown{{"You have already entered the maximum\r\nnumber of people.",
                                    MessageKind::Information, "Tidewell"}}));
}

TEST_F(PeopleWindows, EditReplacesTheHigherTwinAndDeleteAnsweredNoKeepsIt) {
  load({{3, "Bo", "1/1/2000"}, {8, "Bo", "1/1/2000"}});
  select(0);
  messages.answers = {ui::Answer::No};
  people.deleteSelectedPerson();
  EXPECT_TRUE(selectionButtons());
  answerEntry("Bo Jr");
  people.editSelectedPerson();
  EXPECT_EQ(list.lines, (Lines{"Bo (1/1/2000)", "Bo Jr (1/1/2000)"}));
  EXPECT_EQ(store.values["PeopleName 8"], "Bo Jr");
  EXPECT_FALSE(selectionButtons());
}

TEST_F(PeopleWindows, ChoosingSetsOneBirthdayAndRefusesAnEarlierChartDate) {
  const struct { bool second, selected; Date chartDate; bool refused; } cases[] = {
      {false, true, fromYmd(2026, 12, 5), false}, {true, true, fromYmd(2026, 12, 5), false},
      {false, true, kAnn, false}, {false, true, kAnn - 1, true}, {true, true, kMe, true},
      {false, false, fromYmd(1899, 1, 1), false}};
  load({{6, "Ann", "25/12/1990"}});
  for (const auto& c : cases) {
    SCOPED_TRACE(dateText(c.chartDate));
    startMain(c.chartDate);
    messages.shown.clear();
    list.index = -1;
    birthdayPicker.date = birthday2Picker.date = chartDatePicker.date = 0;
    const int before = redraws();
    peopleListWindow.onShowModal = [&] {
      if (c.selected) select(0);
      people.drawSelectedPerson();  // "Draw chart" is the double-click
      EXPECT_EQ(peopleListWindow.visible, !c.selected);  // without a line it does nothing
    };
    c.second ? main.chooseBirthday2() : main.chooseBirthday();
    const bool one = c.selected && !c.second, two = c.selected && c.second;
    const ChartState& st = main.state();
    EXPECT_EQ(std::tie(st.birthday, st.name, st.birthday2, st.name2),
              std::make_tuple(one ? kAnn : kMe, one ? "Ann" : "Me", two ? kAnn : kMe, two ? "Ann" : "Me"));
    EXPECT_EQ((std::vector<Date>{birthdayPicker.value(), birthday2Picker.value(), chartDatePicker.value(), st.chartDate}),
              (std::vector<Date>{one ? kAnn : 0, two ? kAnn : 0, c.refused ? kAnn : 0, c.refused ? kAnn : c.chartDate}));
    EXPECT_EQ(messages.shown.size(), c.refused ? 1u : 0u);
    EXPECT_EQ(redraws(), before + (c.selected ? 1 : 0));
  }
}

TEST_F(PeopleWindows, TheFirstRunAsksForTheUsersOwnBirthdayOnlyOnce) {
  const struct { const char* name; bool fresh, ok; } rows[] = {
      {"first run, OK", true, true}, {"first run, Escape", true, false}, {"later run", false, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    store.values.clear();
    if (!row.fresh) store.values["Chart type"] = " 0";
    MainWindowFixture::load();
    const ChartState before = main.state();
    personEntryWindow.modalCount = 0;
    personEntryWindow.onShowModal = [&] {
      EXPECT_EQ(std::tie(name.value, date.date), std::make_tuple(std::string(), before.birthday));
      name.setText("Zoe");
      date.date = kAnn;
      row.ok ? entry.accept() : entry.cancel();
    };
    store.writes.clear();
    people.welcomeFirstPerson();
    EXPECT_EQ(personEntryWindow.modalCount, row.fresh ? 1 : 0);
    const bool added = row.fresh && row.ok;
    EXPECT_EQ(std::tie(main.state().birthday, main.state().name),
              std::make_tuple(added ? kAnn : before.birthday, added ? std::string("Zoe") : before.name));
    EXPECT_EQ(birthdayPicker.value(), added ? kAnn : before.birthday);
    EXPECT_EQ(store.read("PeopleName 1", ""), added ? "Zoe" : "");
    EXPECT_EQ(store.writes.empty(), !added);  // Escape leaves the store as it was
  }
}

}  // namespace
}  // namespace tw::test
