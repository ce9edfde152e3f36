#include "platform/qt_chart_output.h"

#include <QPainter>
#include <QPalette>
#include <QSaveFile>

namespace tw::platform {

QSizeF QtChartImage::inches() const {
  const double ratio = image.devicePixelRatio();
  return {image.width() / ratio / dpi, image.height() / ratio / dpi};
}

std::shared_ptr<const ChartImage> QtChartImageSource::copy() const {
  auto p = std::make_shared<QtChartImage>();
  p->image = surface_.image().copy();  // detached: later drawing does not reach it
  p->dpi = surface_.dpi();
  return p;
}

QtPrintPage::QtPrintPage(QtWindow& window, PrinterSlot& printer)
    : window_(window), printer_(printer) {
  QWidget* w = window_.widget();
  w->setPalette(QPalette(Qt::white));
  w->setAutoFillBackground(true);
}

void QtPrintPage::setImage(std::shared_ptr<const ChartImage> image) {
  image_ = std::dynamic_pointer_cast<const QtChartImage>(image);
}

bool QtPrintPage::print() { return image_ && printImage(*image_, printer_.get()); }

bool printImage(const QtChartImage& picture, QPrinter& printer) {
  printer.setFullPage(false);  // the painter's origin is the printable area's top left
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double dpi = printer.resolution();
  painter.fillRect(QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(dpi).size()),
                   Qt::white);
  const QSizeF size = picture.inches() * dpi;
  // Thin chart lines blur under the PDF writer's default lossy compression.
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(QRectF(QPointF(0, 0), size), picture.image);
  return painter.end();
}

bool QtChartFiles::write(const ChartImage& picture, const std::string& path) {
  const auto* p = dynamic_cast<const QtChartImage*>(&picture);
  if (!p || p->image.isNull()) return false;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!p->image.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace tw::platform
