#pragma once
// What printing and saving need of the platform: the chart area's image, the hidden print page
// and bitmap files.
#include <QImage>
#include <QPrinter>
#include <QWidget>
#include <memory>

#include "commands/print_and_save.h"
#include "platform/printer_slot.h"
#include "platform/qt_surface.h"
#include "platform/qt_window.h"

namespace tw::platform {

// The chart image at the device pixel ratio, and the logical dots per inch it was drawn at,
// which give its physical size.
struct QtChartImage : ChartImage {
  QImage image;
  double dpi = 96;
  QSizeF inches() const;
};

class QtChartImageSource : public ChartImageSource {
 public:
  explicit QtChartImageSource(const QtSurface& surface) : surface_(surface) {}
  std::shared_ptr<const ChartImage> copy() const override;

 private:
  const QtSurface& surface_;
};

// The print page: a white window that is never shown; printing puts its image on a page.
class QtPrintPage : public PrintPage {
 public:
  QtPrintPage(QtWindow& window, PrinterSlot& printer);
  double width() const override { return window_.width(); }
  double height() const override { return window_.height(); }
  void setWidth(double twips) override { window_.setWidth(twips); }
  void setHeight(double twips) override { window_.setHeight(twips); }
  void setImage(std::shared_ptr<const ChartImage> image) override;
  bool print() override;
  void hide() override { window_.hide(); }

  const QtChartImage* image() const { return image_.get(); }

 private:
  QtWindow& window_;
  PrinterSlot& printer_;
  std::shared_ptr<const QtChartImage> image_;
};

// The picture painted on a page at its physical size, at the top left of the printable area,
// everything else white. False when the printer could not be started or finished.
bool printImage(const QtChartImage& picture, QPrinter& printer);

class QtChartFiles : public ChartFiles {
 public:
  // Through a temporary file renamed into place, so a failure leaves any old file whole.
  bool write(const ChartImage& picture, const std::string& path) override;
};

}  // namespace tw::platform
