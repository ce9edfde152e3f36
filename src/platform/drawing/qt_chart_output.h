#pragma once
// What printing and saving need of the platform: the chart area's image, the hidden print page,
// the printer and files.
#include <QIODevice>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "commands/print_and_save.h"
#include "platform/drawing/printer.h"
#include "platform/drawing/qt_surface.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

// The chart image at the device pixel ratio.
struct QtChartImage : ChartImage {
  QImage image;
};

class QtChartImageSource : public ChartImageSource {
 public:
  explicit QtChartImageSource(const QtSurface& surface) : surface_(surface) {}
  std::shared_ptr<const ChartImage> copy() const override;

 private:
  const QtSurface& surface_;
};

// The print page: a white window that is never shown; printing draws its chart on a page.
class QtPrintPage : public PrintPage {
 public:
  QtPrintPage(QtWindow& window, PrinterSlot& printer);
  double width() const override { return window_.width(); }
  double height() const override { return window_.height(); }
  void setWidth(double twips) override { window_.setWidth(twips); }
  void setHeight(double twips) override { window_.setHeight(twips); }
  void setChart(ChartDrawing chart) override { chart_ = std::move(chart); }
  bool print() override;
  void hide() override { window_.hide(); }

  const ChartDrawing& chart() const { return chart_; }

 private:
  QtWindow& window_;
  PrinterSlot& printer_;
  ChartDrawing chart_;
};

// Draws the chart on one page of `printer` at the printer's resolution and the chart area's
// physical size, at the top left of the printable area. False when the printer could not be
// started or finished.
bool printChart(const ChartDrawing& chart, Printer& printer);

// The chart drawn afresh into `out` as `type`, in the colours `screen` shows, at its dpi and
// pixel ratio: a saved file and the clipboard get the same. Empty on success, else why not.
std::string drawShownChart(QIODevice& out, ChartFileType type, const ChartDrawing& chart,
                           const QtSurface& screen);

// Files through a temporary file renamed into place, so a failure leaves any old file whole.
// Charts drawn afresh take the colours the screen shows, at its dpi and pixel ratio.
class QtChartFiles : public ChartFiles {
 public:
  explicit QtChartFiles(const QtSurface& screen) : screen_(screen) {}
  bool write(const ChartImage& picture, const std::string& path) override;
  bool draw(const ChartDrawing& chart, ChartFileType type, const std::string& path) override;

 private:
  const QtSurface& screen_;
};

}  // namespace tw::platform
