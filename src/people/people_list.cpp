#include "people/people_list.h"

#include <utility>

#include "catalogue/catalogue.h"

namespace tw {

namespace {

std::string fullText() {
  return withCrLf(_("You have already entered the maximum\nnumber of people."));
}

// TRANSLATORS: the name kept for a person added without one.
std::string newName() { return C_("person", "(new)"); }

}  // namespace

PeopleList::PeopleList(PeopleListControls controls, MainWindow& main, PersonEntry& entry,
                       ui::Messages& messages, ui::SettingsStore& store)
    : people(store),
      controls_(std::move(controls)),
      main_(main),
      entry_(entry),
      messages_(messages) {}

void PeopleList::enableSelectionButtons(bool enabled) {
  controls_.editButton.setEnabled(enabled);
  controls_.deleteButton.setEnabled(enabled);
  controls_.drawButton.setEnabled(enabled);
}

// The rebuilt list has no selection, so the buttons that need one go grey.
void PeopleList::rebuild() {
  people.fill(controls_.list);
  enableSelectionButtons(false);
}

int PeopleList::selectedSlot() const {
  const int index = controls_.list.selectedIndex();
  if (index < 0 || index >= controls_.list.count()) return 0;
  return people.slotOf(controls_.list.line(index));
}

void PeopleList::load() {
  people.loadLatest();
  rebuild();
  loaded_ = true;
}

// Ctrl+click clears the selection: the buttons that need one go grey again.
void PeopleList::selectionChanged() { enableSelectionButtons(controls_.list.selectedIndex() >= 0); }

void PeopleList::drawSelectedPerson() {
  // Without a line only the redraw and the hiding remain; the button is grey then anyway.
  if (const int slot = selectedSlot())
    main_.takeChosenPerson(people.dates[slot], people.names[slot]);
  main_.drawChart();
  controls_.window.hide();
}

void PeopleList::addPerson() {
  const int free = people.lowestFreeSlot();
  if (free == 0) {
    messages_.inform(fullText(), "Tidewell");
    people.save();
    return;
  }
  // Always the first birthday, whichever birthday the list was opened for.
  if (const auto person = entry_.edit({"", main_.state().birthday})) {
    // Into the list as stored now: a slot another copy took meanwhile is not overwritten.
    people.loadLatest();
    if (const int slot = people.lowestFreeSlot()) {
      people.names[slot] = person->name.empty() ? newName() : person->name;
      people.dates[slot] = person->birthday;
    } else {
      messages_.inform(fullText(), "Tidewell");
    }
    rebuild();
    people.save();
  }
  // Cancelled: the list and the store stay exactly as they were.
}

void PeopleList::editSelectedPerson() {
  const int slot = selectedSlot();
  if (slot == 0) return;
  const std::string line = people.listLine(slot);
  if (const auto person = entry_.edit({people.names[slot], people.dates[slot]})) {
    // The same person in the list as stored now; gone meanwhile, the edit joins it anew.
    people.loadLatest();
    int now = people.slotOf(line);
    if (now == 0) now = people.lowestFreeSlot();
    if (now != 0) {
      // TRANSLATORS: the name kept for a person whose name was emptied.
      people.names[now] = person->name.empty() ? C_("person", "(edited)") : person->name;
      people.dates[now] = person->birthday;
    }
    rebuild();
    people.save();
  }
}

void PeopleList::deleteSelectedPerson() {
  const int slot = selectedSlot();
  if (slot == 0) return;
  const auto answer =
      // TRANSLATORS: {1} is the person's name.
      messages_.ask(withCrLf(fillIn(_("Are you sure you want to delete the entry\nfor \"{1}\"?"),
                                    people.names[slot])),
                    "Tidewell");
  if (answer == ui::Answer::Yes) {
    const std::string line = people.listLine(slot);
    people.loadLatest();
    if (const int now = people.slotOf(line)) {
      people.names[now].clear();
      people.dates[now] = 0;  // the zero date, 30 December 1899
    }
    rebuild();
  }
  people.save();
}

void PeopleList::close() { controls_.window.hide(); }

void PeopleList::welcomeFirstPerson() {
  if (!main_.isFirstRun()) return;
  const int free = people.lowestFreeSlot();
  const auto person = entry_.welcome();
  if (!person) {
    main_.awaitBirthday();
    main_.drawChart();
    return;
  }
  if (free == 0) return;
  people.names[free] = person->name.empty() ? newName() : person->name;
  people.dates[free] = person->birthday;
  rebuild();
  people.save();
  main_.takeChosenPerson(person->birthday, people.names[free]);
  main_.drawChart();
}

}  // namespace tw
