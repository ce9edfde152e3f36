#pragma once
// The program's one printer, set up when first needed: making a QPrinter loads the print system,
// which most runs never use.
#include <QPrinter>
#include <memory>

namespace tw::platform {

class PrinterSlot {
 public:
  QPrinter& get() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace tw::platform
