#include <gtest/gtest.h>

#include "mock/main_window_fixture.h"
#include "people/people_list.h"
#include "people/person_entry.h"

namespace tw::test {
namespace {

using namespace ui;  // message box styles and answers
using Lines = std::vector<std::string>;
const Date kAnn = fromYmd(1990, 12, 25);
const Date kMe = fromYmd(1980, 6, 1);

struct QtPeopleWindows : ::testing::Test, MainWindowFixture {
  FakeListBox list;
  FakeControl newB, editB, deleteB, closeB, drawB;
  FakeTextBox name;
  FakeDatePicker date;
  PersonEntry entry{PersonEntryControls{entry, name, date}, messages};
  PeopleList people{PeopleListControls{form5, list, newB, editB, deleteB, closeB, drawB}, main, entry,
               messages, store};

  void SetUp() override {
    main.chartDate = fromYmd(2026, 12, 5);
    main.birthday = main.birthday2 = kMe;
    main.name = main.name2 = "Me";
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
    entry.onShowModal = [this, typed] {
      name.setText(typed);
      entry.accept();
    };
  }
  bool selectionButtons() const {
    EXPECT_TRUE(editB.isEnabled() == deleteB.isEnabled() && editB.isEnabled() == drawB.isEnabled());
    return editB.isEnabled();
  }
};

TEST_F(QtPeopleWindows, DeleteFreesASlotThatNewFillsFirstAndEachChangeIsOnDisk) {
  load({{1, "Ann", "25/12/1990"}, {2, "Bob", "1/2/1970"}});
  EXPECT_FALSE(selectionButtons());
  select(0);
  EXPECT_TRUE(selectionButtons());
  messages.answers = {vbYes};
  people.deleteSelectedPerson();
  EXPECT_EQ(messages.shown, (Shown{{"Are you sure you want to delete the entry\r\nfor \"Ann\"?", vbYesNo, "Tidewell"}}));
  EXPECT_TRUE(store.values["PeopleName 1"].empty() && store.values["PeopleDate 1"] == "30/12/1899");
  EXPECT_FALSE(selectionButtons());

  main.choosingFor = 2;  // the entry still starts from the first birthday
  main.birthday2 = kAnn;
  entry.onShowModal = [this] {
    EXPECT_TRUE(name.text().empty() && date.value() == kMe);
    name.setText("Cy");
    entry.accept();
  };
  const int syncs = store.syncs;
  people.addPerson();
  EXPECT_EQ(list.lines, (Lines{"Cy (1/6/1980)", "Bob (1/2/1970)"}));
  EXPECT_TRUE(store.values["PeopleName 1"] == "Cy" && store.syncs == syncs + 1);
}

TEST_F(QtPeopleWindows, OkNeedsANameAndLeavingOtherwiseKeepsEveryone) {
  load({{3, "Ann", "25/12/1990"}});
  int key = 13;
  entry.nameReturnPressed(key);
  EXPECT_EQ(date.focusCount, 1);
  entry.onShowModal = [this] {
    if (name.text().empty()) {
      entry.accept();
      EXPECT_TRUE(entry.visible);
    }
    name.setText("typed but not kept");
    entry.cancel();
  };
  people.addPerson();
  select(0);
  people.editSelectedPerson();
  EXPECT_EQ(entry.modalCount, 2);
  EXPECT_EQ(messages.shown, (Shown{{"You must enter a name!", vbOKOnly | vbExclamation, ""}}));
  EXPECT_EQ(list.lines, Lines{"Ann (25/12/1990)"});
  EXPECT_TRUE(store.values["PeopleName 3"] == "Ann" && people.people.lowestFreeSlot() == 1);

  // A full list refuses New without opening the entry.
  for (int n = 1; n <= 50; ++n) store.values["PeopleName " + std::to_string(n)] = "P";
  people.load();
  messages.shown.clear();
  people.addPerson();
  EXPECT_EQ(entry.modalCount, 2);
  EXPECT_EQ(messages.shown, (Shown{{"You have already entered the maximum\r\nnumber of people.", vbOKOnly | vbInformation, "Tidewell"}}));
}

TEST_F(QtPeopleWindows, EditReplacesTheHigherTwinAndDeleteAnsweredNoKeepsIt) {
  load({{3, "Bo", "1/1/2000"}, {8, "Bo", "1/1/2000"}});
  select(0);
  messages.answers = {vbNo};
  people.deleteSelectedPerson();
  EXPECT_TRUE(selectionButtons());
  answerEntry("Bo Jr");
  people.editSelectedPerson();
  EXPECT_EQ(list.lines, (Lines{"Bo (1/1/2000)", "Bo Jr (1/1/2000)"}));
  EXPECT_TRUE(store.values["PeopleName 8"] == "Bo Jr" && !selectionButtons());
}

TEST_F(QtPeopleWindows, ChoosingSetsOneBirthdayAndRefusesAnEarlierChartDate) {
  // button 1 is "Birthday", 2 "Birthday 2"
  const struct { int button; bool selected; Date chartDate; bool refused; } cases[] = {
      {1, true, fromYmd(2026, 12, 5), false}, {2, true, fromYmd(2026, 12, 5), false}, {1, true, kAnn, false},
      {1, true, kAnn - 1, true}, {2, true, kMe, true}, {1, false, fromYmd(1899, 1, 1), false}};
  load({{6, "Ann", "25/12/1990"}});
  for (const auto& c : cases) {
    SetUp();
    main.chartDate = c.chartDate;
    messages.shown.clear();
    list.index = -1;
    dt1.date = dt2.date = dt3.date = 0;
    const int before = redraws();
    form5.onShowModal = [&] {
      if (c.selected) select(0);
      people.drawSelectedPerson();  // "Draw chart" is the double-click
      EXPECT_FALSE(form5.visible);
    };
    c.button == 1 ? main.addPerson() : main.editSelectedPerson();
    const bool one = c.selected && c.button == 1, two = c.selected && c.button == 2;
    EXPECT_EQ(std::tie(main.birthday, main.name, main.birthday2, main.name2),
              std::make_tuple(one ? kAnn : kMe, one ? "Ann" : "Me", two ? kAnn : kMe, two ? "Ann" : "Me"));
    EXPECT_EQ((std::vector<Date>{dt1.value(), dt2.value(), dt3.value(), main.chartDate}),
              (std::vector<Date>{one ? kAnn : 0, two ? kAnn : 0, c.refused ? kAnn : 0, c.refused ? kAnn : c.chartDate}));
    EXPECT_TRUE(messages.shown.size() == (c.refused ? 1u : 0u) && redraws() == before + 1);
  }
}

}  // namespace
}  // namespace tw::test
