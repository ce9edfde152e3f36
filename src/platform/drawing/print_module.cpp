// The print module: Qt's printer and print dialog behind the program's Printer.
#include <QPrintDialog>
#include <QPrinter>

#include "platform/drawing/printer.h"

namespace tw::platform {
namespace {

class QtPrinter final : public Printer {
 public:
  bool choose(QWidget* parent, bool pageRange, const std::function<int(QDialog&)>& run) override {
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageRange);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The "print to PDF" printer is a printer like any other here and stays on offer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return run(dialog) == QDialog::Accepted;
  }
  QPaintDevice& page() override {
    printer_.setFullPage(false);  // the painter's origin is the printable area's top left
    return printer_;
  }
  int resolution() const override { return printer_.resolution(); }
  QPrinter& qtPrinter() override { return printer_; }

 private:
  QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace
}  // namespace tw::platform

extern "C" Q_DECL_EXPORT tw::platform::Printer* tidewell_make_printer() {
  return new tw::platform::QtPrinter;
}
