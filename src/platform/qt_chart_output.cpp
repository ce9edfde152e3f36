#include "platform/qt_chart_output.h"

#include <QPalette>
#include <QSaveFile>

#include "platform/chart_file_writer.h"
#include "platform/system_colours.h"

namespace tw::platform {

namespace {

// Passes a drawing on with system colours turned into the colours the screen shows for them, so
// a file that has no palette of its own (SVG) looks like the chart on the screen.
class ScreenColourSurface : public DrawingSurface {
 public:
  explicit ScreenColourSurface(DrawingSurface& inner) : inner_(inner) {}

  float width() const override { return inner_.width(); }
  float height() const override { return inner_.height(); }
  void setBackground(Colour c) override { inner_.setBackground(direct(c)); }
  void clear() override { inner_.clear(); }
  void setLineWidth(std::int16_t pixels) override { inner_.setLineWidth(pixels); }
  void setLineStyle(std::int16_t style) override { inner_.setLineStyle(style); }
  void setFontSize(float points) override { inner_.setFontSize(points); }
  void setBold(bool bold) override { inner_.setBold(bold); }
  void moveTo(float x, float y) override { inner_.moveTo(x, y); }
  void line(float x1, float y1, float x2, float y2) override { inner_.line(x1, y1, x2, y2); }
  void line(float x1, float y1, float x2, float y2, Colour c) override {
    inner_.line(x1, y1, x2, y2, direct(c));
  }
  void text(const std::string& text) override { inner_.text(text); }

 private:
  static Colour direct(Colour c) {
    const QColor shown = resolveColour(c);
    return rgb(shown.red(), shown.green(), shown.blue());
  }
  DrawingSurface& inner_;
};

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

bool QtPrintPage::print() { return printChart(chart_, printer_.get()); }

bool printChart(const ChartDrawing& chart, QPrinter& printer) {
  if (!chart.draw) return false;
  printer.setFullPage(false);  // the painter's origin is the printable area's top left
  QtSurface page(printer.resolution(), 1.0);
  page.setSizeTwips(chart.width, chart.height);
  page.drawOn(&printer);
  chart.draw(page);
  return page.drawOn(nullptr);  // ends the page and the print job
}

namespace {
// Qt 6.4's commit() reports success when its own last flush fails on a full disk, and leaves
// an empty file where the old one was: flush first, and keep the old file on any error.
bool commitWhole(QSaveFile& file) {
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
}  // namespace

bool QtChartFiles::write(const ChartImage& picture, const std::string& path) {
  const auto* p = dynamic_cast<const QtChartImage*>(&picture);
  if (!p || p->image.isNull()) return false;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!p->image.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return commitWhole(file);
}

bool QtChartFiles::draw(const ChartDrawing& chart, ChartFileType type, const std::string& path) {
  if (!chart.draw) return false;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const ChartFileSize size{QSizeF(chart.width, chart.height), screen_.dpi(), screen_.pixelRatio()};
  const std::string failed = drawChartFile(file, type, size, [&chart](DrawingSurface& target) {
    ScreenColourSurface shown(target);
    chart.draw(shown);
  });
  if (!failed.empty()) {
    file.cancelWriting();
    return false;
  }
  return commitWhole(file);
}

}  // namespace tw::platform
