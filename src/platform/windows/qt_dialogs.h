#pragma once
// The commands' dialogs over Qt's colour, print and file dialogs. Each dialog is built when it
// is shown and run by `runner`, which tests replace to play the user.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

#include "commands/dialogs.h"
#include "platform/drawing/printer.h"

namespace tw::platform {

// {"Bitmaps", "*.BMP"} -> "Bitmaps (*.BMP)"; patterns separated by ';' become blanks.
QStringList nameFilters(const std::vector<FileFilter>& filters);

class QtDialogs : public Dialogs {
 public:
  // The printer the print dialog sets up, and the print page prints on.
  QtDialogs(QWidget* parent, PrinterSlot& printer) : parent_(parent), printer_(printer) {}

  // Runs a set-up dialog modally and returns its result (QDialog::Accepted or Rejected).
  std::function<int(QDialog&)> runner = [](QDialog& d) { return d.exec(); };

  std::optional<Colour> chooseColour(Colour current) override;
  bool choosePrinter(const PrintDialogOptions& options) override;
  std::optional<ChosenFile> chooseSaveFile(const SaveFileOptions& options) override;

 private:
  QPointer<QWidget> parent_;
  PrinterSlot& printer_;
};

}  // namespace tw::platform
