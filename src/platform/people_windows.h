#pragma once
// The people list ("People") and entry ("Entry") windows built into two top-level widgets, with
// their signals wired to Form5 and Form6.
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "app/form1.h"
#include "people/form5.h"
#include "people/form6.h"
#include "platform/qt_controls.h"
#include "platform/qt_services.h"

namespace tw::platform {

class PeopleWindows : public QObject {
 public:
  // `listAdapter` and `entryAdapter` are the windows as Form1 sees them; this object is owned
  // by `listWindow`. The list is loaded here, as the window is created at start-up.
  PeopleWindows(QWidget* listWindow, ui::Window& listAdapter, QWidget* entryWindow,
                ui::Window& entryAdapter, Form1& form1, ui::SettingsStore& store);
  ~PeopleWindows() override;

  Form5& form5() { return *form5_; }
  Form6& form6() { return *form6_; }
  QListWidget* list() const { return list_; }
  QPushButton* button(const char* objectName) const;  // "Command1".."Command5", "OK"
  QLineEdit* nameEdit() const { return name_; }
  QDateEdit* dateEdit() const { return date_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildList();
  void buildEntry();
  void connectSignals();

  QPointer<QWidget> listWindow_, entryWindow_;
  QtMessageBoxes listMessages_, entryMessages_;

  QListWidget* list_ = nullptr;
  QPushButton* commands_[5] = {};
  QLineEdit* name_ = nullptr;
  QDateEdit* date_ = nullptr;
  QPushButton* ok_ = nullptr;

  std::unique_ptr<QtListBox> listBox_;
  std::unique_ptr<WidgetControl> commandControls_[5];
  std::unique_ptr<QtTextBox> text1_;
  std::unique_ptr<QtDatePicker> picker1_;
  std::unique_ptr<Form6> form6_;
  std::unique_ptr<Form5> form5_;
};

}  // namespace tw::platform
