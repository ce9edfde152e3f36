#pragma once
// The "Critical days" window over Qt widgets: a labelled span chooser, the list, the reminder
// check box and "Add to calendar...", wired to CriticalDaysWindow.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "commands/critical_days_window.h"
#include "platform/drawing/printer.h"
#include "platform/system/desktop_calendar.h"
#include "platform/system/qt_services.h"
#include "platform/windows/qt_dialogs.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

// A file written beside its target and renamed over it only when complete.
class QtWholeFiles : public WholeFiles {
 public:
  std::string write(const std::string& path, const std::string& bytes) override;
};

class QtUtcClock : public UtcClock {
 public:
  UtcTime now() const override;
};

class QtCriticalDaysWindow : public QObject, public CriticalDaysControls {
 public:
  // Built into `dialog`, which owns this object.
  QtCriticalDaysWindow(QtDialogWindow* dialog, MainWindow& main, const ui::Window& chartWindow,
                       ui::SettingsStore& store, const ui::Screens& screens, const Locale& locale);

  CriticalDaysWindow& window() { return *window_; }
  QtDialogWindow* dialog() const { return dialog_; }
  QTreeWidget* list() const { return list_; }
  QtDialogs& dialogs() { return dialogs_; }

  void showWindow() override;
  void showRows(const std::vector<CriticalRow>& rows, bool withWhose) override;
  void showNote(const std::string& text) override;
  void showSpan(CriticalSpan span) override;
  void showReminder(bool on) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QtDialogWindow> dialog_;
  QtWindow adapter_;
  PrinterSlot printer_;  // never made: the window prints nothing
  QtDialogs dialogs_;
  QtMessages messages_;
  QtWholeFiles files_;
  DesktopCalendar calendar_;
  QtUtcClock clock_;
  QComboBox* span_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* note_ = nullptr;
  QCheckBox* reminder_ = nullptr;
  QPushButton* add_ = nullptr;
  std::unique_ptr<CriticalDaysWindow> window_;
};

}  // namespace tw::platform
