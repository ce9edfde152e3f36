#pragma once
// The people list ("People") and entry ("Entry") windows built into two dialog windows, with
// their signals wired to PeopleList and PersonEntry.
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "app/main_window.h"
#include "people/people_list.h"
#include "people/person_entry.h"
#include "platform/system/qt_services.h"
#include "platform/windows/qt_controls.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

class QtPeopleWindows : public QObject {
 public:
  // `listAdapter` and `entryAdapter` are the windows as the main window sees them; this object
  // is owned by `listWindow`. The list is loaded here, as the window is created.
  QtPeopleWindows(QtDialogWindow* listWindow, ui::Window& listAdapter, QtDialogWindow* entryWindow,
                  ui::Window& entryAdapter, MainWindow& main, ui::SettingsStore& store);
  ~QtPeopleWindows() override;

  // The two windows' designed sizes, also before they are built.
  static void setDesignedSizes(QWidget* listWindow, QWidget* entryWindow);

  PeopleList& peopleList() { return *peopleList_; }
  PersonEntry& personEntry() { return *personEntry_; }
  QListWidget* list() const { return list_; }
  // "newButton".."drawButton", "okButton", "cancelButton"
  QPushButton* button(const char* objectName) const;
  QLineEdit* nameEdit() const { return name_; }
  QtDateField* dateEdit() const { return date_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildList();
  void buildEntry();
  void connectSignals();

  QPointer<QtDialogWindow> listWindow_, entryWindow_;
  QtMessages listMessages_, entryMessages_;

  QListWidget* list_ = nullptr;
  QPushButton* buttons_[5] = {};  // New, Edit, Delete, Close, Draw
  QLineEdit* name_ = nullptr;
  QtDateField* date_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;

  std::unique_ptr<QtListBox> listBox_;
  std::unique_ptr<WidgetControl> buttonControls_[5];
  std::unique_ptr<QtTextBox> nameBox_;
  std::unique_ptr<QtDatePicker> birthdayPicker_;
  std::unique_ptr<WidgetControl> okControl_;
  std::unique_ptr<WidgetControl> welcome_;
  std::unique_ptr<PersonEntry> personEntry_;
  std::unique_ptr<PeopleList> peopleList_;
};

}  // namespace tw::platform
