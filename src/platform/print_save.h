#pragma once
// What printing and saving need of the platform: the chart area's image, the hidden print page
// and bitmap files.
#include <QImage>
#include <QPrinter>
#include <QWidget>
#include <memory>

#include "commands/print_save.h"
#include "platform/printer_slot.h"
#include "platform/qt_surface.h"
#include "platform/qt_window.h"

namespace tw::platform {

// The chart image at the device pixel ratio, and the logical dots per inch it was drawn at,
// which give its physical size.
struct QtPicture : Picture {
  QImage image;
  double dpi = 96;
  QSizeF inches() const;
};

class QtChartPicture : public ChartPicture {
 public:
  explicit QtChartPicture(const QtSurface& surface) : surface_(surface) {}
  std::shared_ptr<const Picture> Image() const override;

 private:
  const QtSurface& surface_;
};

// Form2: a white window that is never shown; printing puts its picture on a page.
class QtPrintPage : public PrintPage {
 public:
  QtPrintPage(QtWindow& window, PrinterSlot& printer);
  double width() const override { return window_.width(); }
  double height() const override { return window_.height(); }
  void setWidth(double twips) override { window_.setWidth(twips); }
  void setHeight(double twips) override { window_.setHeight(twips); }
  void setPicture(std::shared_ptr<const Picture> picture) override;
  bool PrintForm() override;
  void hide() override { window_.hide(); }

  const QtPicture* picture() const { return picture_.get(); }

 private:
  QtWindow& window_;
  PrinterSlot& printer_;
  std::shared_ptr<const QtPicture> picture_;
};

// The picture painted on a page at its physical size, at the top left of the printable area,
// everything else white. False when the printer could not be started or finished.
bool printPicture(const QtPicture& picture, QPrinter& printer);

class QtPictureFiles : public PictureFiles {
 public:
  // Through a temporary file renamed into place, so a failure leaves any old file whole.
  bool SavePicture(const Picture& picture, const std::string& path) override;
};

}  // namespace tw::platform
