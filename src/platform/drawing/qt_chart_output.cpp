#include "platform/drawing/qt_chart_output.h"

#include <QBuffer>
#include <QPalette>

#include "chart/recoloured_surface.h"
#include "files/whole_file.h"
#include "platform/drawing/chart_file_writer.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {

namespace {

// A system colour as the screen shows it, so a file that has no palette of its own (SVG) looks
// like the chart on the screen.
Colour shownColour(Colour c) {
  const QColor shown = resolveColour(c);
  return rgb(shown.red(), shown.green(), shown.blue());
}

}  // namespace

std::shared_ptr<const ChartImage> QtChartImageSource::copy() const {
  auto p = std::make_shared<QtChartImage>();
  p->image = surface_.image().copy();  // detached: later drawing does not reach it
  return p;
}

QtPrintPage::QtPrintPage(QtWindow& window, PrinterSlot& printer)
    : window_(window), printer_(printer) {
  QWidget* w = window_.widget();
  w->setPalette(QPalette(Qt::white));
  w->setAutoFillBackground(true);
}

bool QtPrintPage::print() {
  Printer* printer = printer_.get();
  return printer && printChart(chart_, *printer);
}

bool printChart(const ChartDrawing& chart, Printer& printer) {
  if (!chart.draw) return false;
  QtSurface page(printer.resolution(), 1.0);
  page.setSizeTwips(chart.width, chart.height);
  page.drawOn(&printer.page());
  chart.draw(page);
  return page.drawOn(nullptr);  // ends the page and the print job
}

namespace {
// Every chart file goes through the one whole-file writer; a failure leaves the old file.
bool writeWhole(const std::string& path, const QByteArray& bytes) {
  return !files::writeWholeFiles({{path, bytes.toStdString()}}, {});
}
}  // namespace

bool QtChartFiles::write(const ChartImage& picture, const std::string& path) {
  const auto* p = dynamic_cast<const QtChartImage*>(&picture);
  if (!p || p->image.isNull()) return false;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  return p->image.save(&buffer, "BMP") && writeWhole(path, buffer.data());
}

std::string drawShownChart(QIODevice& out, ChartFileType type, const ChartDrawing& chart,
                           const QtSurface& screen) {
  const ChartFileSize size{QSizeF(chart.width, chart.height), screen.dpi(), screen.pixelRatio()};
  return drawChartFile(out, type, size, [&chart](DrawingSurface& target) {
    RecolouredSurface shown(target, shownColour);
    chart.draw(shown);
  });
}

bool QtChartFiles::draw(const ChartDrawing& chart, ChartFileType type, const std::string& path) {
  if (!chart.draw) return false;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  return drawShownChart(buffer, type, chart, screen_).empty() && writeWhole(path, buffer.data());
}

}  // namespace tw::platform
