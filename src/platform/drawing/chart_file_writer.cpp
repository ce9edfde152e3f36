#include "platform/drawing/chart_file_writer.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>

#include "chart/svg_surface.h"
#include "chart/twips.h"
#include "platform/drawing/qt_chart_face.h"
#include "platform/drawing/qt_surface.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

namespace {

// The device's own account of a failure, if it keeps one.
std::string errorOf(const QIODevice& out) {
  const auto* file = qobject_cast<const QFileDevice*>(&out);
  if (file) return file->error() == QFileDevice::NoError ? "" : file->errorString().toStdString();
  return "";
}

std::string drawImage(QIODevice& out, ChartFileType type, const ChartFileSize& size,
                      const std::function<void(DrawingSurface&)>& draw) {
  QtSurface surface(size.dpi, size.pixelRatio);
  surface.setSizeTwips(size.twips.width(), size.twips.height());
  draw(surface);
  QImage image = surface.image();
  if (image.isNull()) return _("nothing was drawn");
  // Viewers then show it at the chart's physical size, whatever its pixel ratio.
  const int dpm = static_cast<int>(std::lround(size.dpi * size.pixelRatio / 0.0254));
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  // For PNG a light deflate: a few per cent larger, a good third quicker to write.
  const bool png = type == ChartFileType::Png;
  if (!image.save(&out, png ? "PNG" : "BMP", png ? 80 : -1)) {
    const std::string why = errorOf(out);
    return why.empty() ? _("the image could not be written") : why;
  }
  return "";
}

// One page the size of the chart area, its pixels the chart's dpi, so lines and texts stay
// vectors at the same places as in the image.
std::string drawPdf(QIODevice& out, const ChartFileSize& size,
                    const std::function<void(DrawingSurface&)>& draw) {
  QPdfWriter pdf(&out);
  pdf.setCreator(QCoreApplication::applicationName());
  pdf.setResolution(static_cast<int>(std::lround(size.dpi)));
  pdf.setPageSize(
      QPageSize(size.twips / kTwipsPerInch, QPageSize::Inch, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QtSurface surface(pdf.resolution(), 1.0);
  surface.setSizeTwips(size.twips.width(), size.twips.height());
  surface.drawOn(&pdf);
  draw(surface);
  if (!surface.drawOn(nullptr)) return _("the page could not be written");  // writes the document
  return errorOf(out);
}

std::string drawSvg(QIODevice& out, const ChartFileSize& size,
                    const std::function<void(DrawingSurface&)>& draw) {
  const QtChartFace face(size.dpi);
  SvgSurface svg(static_cast<float>(size.twips.width()), static_cast<float>(size.twips.height()),
                 face);
  draw(svg);
  const std::string document = svg.document();
  if (out.write(document.data(), static_cast<qint64>(document.size())) !=
      static_cast<qint64>(document.size())) {
    const std::string why = errorOf(out);
    return why.empty() ? _("the drawing could not be written") : why;
  }
  return "";
}

}  // namespace

std::string drawChartFile(QIODevice& out, ChartFileType type, const ChartFileSize& size,
                          const std::function<void(DrawingSurface&)>& draw) {
  switch (type) {
    case ChartFileType::Pdf: return drawPdf(out, size, draw);
    case ChartFileType::Svg: return drawSvg(out, size, draw);
    case ChartFileType::Png:
    case ChartFileType::Bmp: return drawImage(out, type, size, draw);
  }
  return _("unknown file type");
}

}  // namespace tw::platform
