#pragma once
// The printer and its dialog, built in a module of their own that is loaded at the first print:
// linked into the program, Qt's print support and the print system under it would load at
// every start, and most runs never print.
#include <QDialog>
#include <functional>
#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace tw::platform {

class Printer {
 public:
  virtual ~Printer() = default;
  // The print dialog over `parent`, run by `run` (QDialog::exec, or a test playing the user);
  // true when the user chose a printer. `pageRange` offers a range of pages.
  virtual bool choose(QWidget* parent, bool pageRange, const std::function<int(QDialog&)>& run) = 0;
  // The page to draw on from the printable area's top left, at `resolution()` dots per inch.
  virtual QPaintDevice& page() = 0;
  virtual int resolution() const = 0;
  // The Qt printer itself, for what only a test or a benchmark sets (such as a PDF file).
  virtual QPrinter& qtPrinter() = 0;
};

// A new printer from the print module beside the program; null, said on standard error, when
// the module cannot be loaded.
std::unique_ptr<Printer> loadPrinter();

// The program's one printer, loaded when first needed.
class PrinterSlot {
 public:
  Printer* get() {
    if (!printer_) printer_ = loadPrinter();
    return printer_.get();
  }

 private:
  std::unique_ptr<Printer> printer_;
};

}  // namespace tw::platform

// What the print module exports.
extern "C" tw::platform::Printer* tidewell_make_printer();
