#pragma once
// CommonDialog1 over Qt's colour, print and file dialogs. Each dialog is built from the shared
// settings when it is shown and run by `runner`, which tests replace to play the user.
#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <functional>

#include "commands/common_dialog.h"
#include "platform/printer_slot.h"

namespace tw::platform {

// "Bitmaps|*.BMP|All|*.*" -> {"Bitmaps (*.BMP)", "All (*.*)"}
QStringList nameFilters(const std::string& filter);

class QtCommonDialog : public CommonDialog {
 public:
  // The printer the print dialog sets up, and the print page prints on.
  QtCommonDialog(QWidget* parent, PrinterSlot& printer) : parent_(parent), printer_(printer) {}

  // Runs a set-up dialog modally and returns its result (QDialog::Accepted or Rejected).
  std::function<int(QDialog&)> runner = [](QDialog& d) { return d.exec(); };

 protected:
  bool pickColour() override;
  bool pickPrinter() override;
  bool pickSaveFile() override;

 private:
  QPointer<QWidget> parent_;
  PrinterSlot& printer_;
};

}  // namespace tw::platform
