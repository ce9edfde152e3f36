#pragma once
// The people list window: choose, add, edit and delete people, and chart a chosen birthday.
#include "app/main_window.h"
#include "app/ui.h"
#include "people/people_store.h"
#include "people/person_entry.h"

namespace tw {

struct PeopleListControls {
  ui::Window& window;
  ui::ListBox& list;
  // The buttons that act on the chosen person.
  ui::Control& editButton;
  ui::Control& deleteButton;
  ui::Control& drawButton;
};

class PeopleList {
 public:
  PeopleList(PeopleListControls controls, MainWindow& main, PersonEntry& entry,
             ui::Messages& messages, ui::SettingsStore& store);

  PeopleStore people;

  void load();
  // The close box destroys the window; the next opening loads it anew.
  void unload() { loaded_ = false; }
  bool isLoaded() const { return loaded_; }

  void selectionChanged();
  void drawSelectedPerson();  // a double-click on a line, or "Draw chart"
  // Cancel in the entry window leaves the list and the store as they were.
  void addPerson();
  void editSelectedPerson();
  void deleteSelectedPerson();
  void close();
  // On the first run: the entry window as "New..." opens it; the person entered joins the list
  // and is charted as if chosen from it. Cancelling changes nothing.
  void welcomeFirstPerson();

 private:
  void enableSelectionButtons(bool enabled);
  void rebuild();
  int selectedSlot() const;  // 0 when no line is selected

  PeopleListControls controls_;
  MainWindow& main_;
  PersonEntry& entry_;
  ui::Messages& messages_;
  bool loaded_ = false;
};

}  // namespace tw
