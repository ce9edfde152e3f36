#include "platform/drawing/qt_chart_face.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <cmath>

#include "chart/twips.h"
#include "platform/drawing/program_font.h"

namespace tw::platform {

QtChartFace::QtChartFace(double dpi) : dpi_(dpi), device_(1, 1, QImage::Format_RGB32) {
  const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
  device_.setDotsPerMeterX(dpm);
  device_.setDotsPerMeterY(dpm);
}

QFont QtChartFace::font(float points, bool bold) const {
  QFont f = programFont(points);
  f.setBold(bold);
  return QFont(f, &device_);
}

std::string QtChartFace::family() const {
  // The face really found comes first; the others are what a viewer without it should try.
  const QFont f = programFont(10);
  QStringList names{QFontInfo(f).family()};
  for (const QString& name : f.families())
    if (!names.contains(name, Qt::CaseInsensitive)) names << name;
  names << QStringLiteral("sans-serif");
  return names.join(QStringLiteral(", ")).toStdString();
}

float QtChartFace::narrowing() const { return static_cast<float>(chartTextScale()); }

float QtChartFace::em(float points, bool bold) const {
  const double pixels = QRawFont::fromFont(font(points, bold)).pixelSize();
  return static_cast<float>(twipsFromPixels(pixels, dpi_));
}

float QtChartFace::ascent(float points, bool bold) const {
  const double pixels = QFontMetricsF(font(points, bold), &device_).ascent();
  return static_cast<float>(twipsFromPixels(pixels, dpi_));
}

float QtChartFace::width(const std::string& text, float points, bool bold) const {
  const QFontMetricsF metrics(font(points, bold), &device_);
  const double pixels = metrics.horizontalAdvance(QString::fromStdString(text));
  return static_cast<float>(twipsFromPixels(pixels, dpi_));
}

}  // namespace tw::platform
