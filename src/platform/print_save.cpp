#include "platform/print_save.h"

#include <QPainter>
#include <QPalette>
#include <QSaveFile>

namespace tw::platform {

QSizeF QtPicture::inches() const {
  const double ratio = image.devicePixelRatio();
  return {image.width() / ratio / dpi, image.height() / ratio / dpi};
}

std::shared_ptr<const Picture> QtChartPicture::Image() const {
  auto p = std::make_shared<QtPicture>();
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

void QtPrintPage::setPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::dynamic_pointer_cast<const QtPicture>(picture);
}

bool QtPrintPage::PrintForm() { return picture_ && printPicture(*picture_, printer_.get()); }

bool printPicture(const QtPicture& picture, QPrinter& printer) {
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

bool QtPictureFiles::SavePicture(const Picture& picture, const std::string& path) {
  const auto* p = dynamic_cast<const QtPicture*>(&picture);
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
