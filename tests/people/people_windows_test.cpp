#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "people_fixture.h"

namespace tw::test {
namespace {

using namespace ui;  // the message box styles and answers
using Lines = std::vector<std::string>;
const Date kAnn = fromYmd(1990, 12, 25);

class PeopleWindows : public ::testing::Test, public PeopleFixture {
 protected:
  void SetUp() override {
    form.chartdate = fromYmd(2026, 12, 5);
    form.birthdate = fromYmd(1980, 6, 1);
    form.birthname = "Me";
  }
};

TEST_F(PeopleWindows, LoadFillsTheListAndGreysTheSelectionButtons) {
  storePerson(4, "Ann", "25/12/1990");
  people.Form_Load();
  EXPECT_EQ(list.lines, Lines{"Ann (25/12/1990)"});
  EXPECT_TRUE(selectionButtonsDisabled());
  select("Ann (25/12/1990)");
  EXPECT_TRUE(selectionButtonsEnabled());
  EXPECT_TRUE(people.isLoaded());
  people.Form_Unload();
  EXPECT_FALSE(people.isLoaded());
}

TEST_F(PeopleWindows, NewTakesTheLowestFreeSlotAndIsOnDiskAtOnce) {
  storePerson(1, "Ann", "25/12/1990");
  storePerson(2, "Bob", "1/2/1970");
  people.Form_Load();
  select("Ann (25/12/1990)");
  messages.answers = {vbYes};
  people.Command3_Click();
  EXPECT_EQ(store.values["PeopleName 1"], "");
  EXPECT_EQ(store.values["PeopleDate 1"], "30/12/1899");

  form.CallPeople = 2;  // the entry still starts from the first birthday
  form6.onShowModal = [this] {
    EXPECT_EQ(entryName.text(), "");
    EXPECT_EQ(entryDate.value(), form.birthdate);
    entryName.setText("Cy");
    entry.Command1_Click();
  };
  const int syncsBefore = store.syncs;
  people.Command1_Click();
  EXPECT_EQ(list.lines, (Lines{"Cy (1/6/1980)", "Bob (1/2/1970)"}));
  EXPECT_EQ(store.values["PeopleName 1"], "Cy");
  EXPECT_EQ(store.values["PeopleDate 1"], "1/6/1980");
  EXPECT_GT(store.syncs, syncsBefore);
  EXPECT_TRUE(selectionButtonsDisabled());
}

TEST_F(PeopleWindows, OkRefusesAnEmptyNameAndKeepsTheEntryOpen) {
  people.Form_Load();
  form6.onShowModal = [this] {
    entry.Command1_Click();
    EXPECT_TRUE(form6.visible);
    entryName.setText(" ");  // a blank is a name
    entryDate.userSets(kAnn);
    entry.Command1_Click();
    EXPECT_FALSE(form6.visible);
  };
  people.Command1_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "You must enter a name!");
  EXPECT_EQ(messages.shown[0].style, vbOKOnly | vbExclamation);
  EXPECT_EQ(messages.shown[0].title, "");
  EXPECT_EQ(list.lines, Lines{"  (25/12/1990)"});
}

TEST_F(PeopleWindows, LeavingTheEntryWithoutOkChangesNobody) {
  storePerson(3, "Ann", "25/12/1990");
  people.Form_Load();
  form6.onShowModal = [this] {
    entryName.setText("typed but not kept");
    entry.cancelEntry();
  };
  people.Command1_Click();
  select("Ann (25/12/1990)");
  people.Command2_Click();
  EXPECT_EQ(list.lines, Lines{"Ann (25/12/1990)"});
  EXPECT_EQ(people.people.peoplename[3], "Ann");
  EXPECT_EQ(people.people.lowestFreeSlot(), 1);
  EXPECT_EQ(store.values["PeopleName 3"], "Ann");
  EXPECT_EQ(form6.modalCount, 2);
}

TEST_F(PeopleWindows, EditShowsThePersonAndReplacesTheirSlot) {
  storePerson(3, "Bo", "1/1/2000");
  storePerson(8, "Bo", "1/1/2000");
  people.Form_Load();
  select("Bo (1/1/2000)");
  form6.onShowModal = [this] {
    EXPECT_EQ(entryName.text(), "Bo");
    EXPECT_EQ(entryDate.value(), fromYmd(2000, 1, 1));
    entryName.setText("Bo Jr");
    entryDate.userSets(fromYmd(2001, 2, 3));
    entry.Command1_Click();
  };
  people.Command2_Click();
  EXPECT_EQ(list.lines, (Lines{"Bo (1/1/2000)", "Bo Jr (3/2/2001)"}));  // the higher twin edited
  EXPECT_EQ(store.values["PeopleName 8"], "Bo Jr");
  EXPECT_TRUE(selectionButtonsDisabled());
}

TEST_F(PeopleWindows, DeleteAsksWithTheQuotedNameAndNoKeepsEverything) {
  storePerson(2, "Ann \"Nan\"", "25/12/1990");
  people.Form_Load();
  select("Ann \"Nan\" (25/12/1990)");
  messages.answers = {vbNo};
  people.Command3_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt,
            "Are you sure you want to delete the entry\r\nfor \"Ann \"Nan\"\"?");
  EXPECT_EQ(messages.shown[0].style, vbYesNo);
  EXPECT_EQ(messages.shown[0].title, "Tidewell");
  EXPECT_EQ(list.lines.size(), 1u);
  EXPECT_TRUE(selectionButtonsEnabled());
  EXPECT_EQ(store.values["PeopleName 2"], "Ann \"Nan\"");  // saved again, unchanged
}

TEST_F(PeopleWindows, AFullListRefusesNewWithoutOpeningTheEntry) {
  for (int n = 1; n <= 50; ++n) storePerson(n, "P" + std::to_string(n), "1/1/2000");
  people.Form_Load();
  people.Command1_Click();
  EXPECT_EQ(form6.modalCount, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "You have already entered the maximum\r\nnumber of people.");
  EXPECT_EQ(messages.shown[0].style, vbOKOnly | vbInformation);
  EXPECT_EQ(messages.shown[0].title, "Tidewell");
  EXPECT_EQ(list.lines.size(), 50u);
  EXPECT_EQ(store.values["PeopleName 50"], "P50");
}

struct ChooseCase {
  int callPeople;
  Date chartdate;
  bool refused;
};

TEST_F(PeopleWindows, ChoosingAPersonSetsThatBirthdayAndRefusesAnEarlierChartDate) {
  const ChooseCase cases[] = {
      {1, fromYmd(2026, 12, 5), false},
      {2, fromYmd(2026, 12, 5), false},
      {1, kAnn, false},  // equal is accepted
      {1, kAnn - 1, true},
      {2, fromYmd(1985, 1, 1), true},
  };
  storePerson(6, "Ann", "25/12/1990");
  people.Form_Load();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.callPeople * 100000 + c.chartdate);
    form.birthdate = form.birthdate2 = fromYmd(1980, 6, 1);
    form.birthname = form.birthname2 = "Me";
    form.chartdate = c.chartdate;
    form.CallPeople = static_cast<std::int16_t>(c.callPeople);
    messages.shown.clear();
    const int redrawsBefore = redraws();
    const int dt3Before = dt3.programSets;
    form5.onShowModal = [this] {
      select("Ann (25/12/1990)");
      people.List1_DblClick();
      EXPECT_FALSE(form5.visible);
    };
    form5.showModal();
    const bool first = c.callPeople == 1;
    EXPECT_EQ(form.birthdate, first ? kAnn : fromYmd(1980, 6, 1));
    EXPECT_EQ(form.birthname, first ? "Ann" : "Me");
    EXPECT_EQ(form.birthdate2, first ? fromYmd(1980, 6, 1) : kAnn);
    EXPECT_EQ(form.birthname2, first ? "Me" : "Ann");
    EXPECT_EQ((first ? dt1 : dt2).value(), kAnn);
    EXPECT_EQ(form.chartdate, c.refused ? kAnn : c.chartdate);
    ASSERT_EQ(messages.shown.size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_NE(messages.shown[0].prompt.find("Setting chart date to 25/12/1990."),
                std::string::npos);
      EXPECT_EQ(dt3.value(), kAnn);
      EXPECT_GT(dt3.programSets, dt3Before);
    }
    EXPECT_EQ(redraws(), redrawsBefore + 1);
  }
}

TEST_F(PeopleWindows, BirthdayTwoButtonOpensTheListAndDrawChartChoosesForIt) {
  storePerson(1, "Ann", "25/12/1990");
  people.Form_Load();
  form5.onShowModal = [this] {
    EXPECT_EQ(form.CallPeople, 2);
    select("Ann (25/12/1990)");
    people.Command5_Click();
  };
  form.Command2_Click();
  EXPECT_EQ(form.birthdate2, kAnn);
  EXPECT_EQ(form.birthname2, "Ann");
  EXPECT_EQ(form.birthname, "Me");
}

TEST_F(PeopleWindows, DrawChartWithoutASelectionOnlyRedrawsAndHides) {
  storePerson(1, "Ann", "25/12/1990");
  people.Form_Load();
  form.chartdate = fromYmd(1900, 1, 1);
  form5.onShowModal = [this] { people.Command5_Click(); };
  form5.showModal();
  EXPECT_EQ(form.birthdate, fromYmd(1980, 6, 1));
  EXPECT_EQ(form.birthname, "Me");
  EXPECT_EQ(dt1.programSets, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(redraws(), 1);
}

TEST_F(PeopleWindows, CloseHidesAndEnterInTheNameMovesToTheBirthday) {
  form5.onShowModal = [this] {
    people.Command4_Click();
    EXPECT_FALSE(form5.visible);
  };
  form5.showModal();
  int key = 'a';
  entry.Text1_KeyPress(key);
  EXPECT_EQ(entryDate.focusCount, 0);
  key = 13;
  entry.Text1_KeyPress(key);
  EXPECT_EQ(entryDate.focusCount, 1);
}

}  // namespace
}  // namespace tw::test
