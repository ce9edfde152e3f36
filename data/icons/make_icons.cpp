// Writes the program icon files installed for desktop menus: tidewell-N.png as the program
// paints its icon, and tidewell.svg from the same shapes (src/platform/icon_shape.h).
//   cmake --build build --target make_icons
//   QT_QPA_PLATFORM=offscreen build/data/make_icons data/icons
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include "platform/icon_shape.h"
#include "platform/icons.h"

namespace {

using tw::platform::IconRgb;

QString hex(IconRgb c) { return QString::asprintf("#%02x%02x%02x", c.r, c.g, c.b); }

QString svgIcon() {
  using namespace tw::platform;
  const int size = 256;
  const IconShape shape(size);

  QString out;
  QTextStream s(&out);
  s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 "
       "256\">\n";
  s << QString(
           "  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"%5\" "
           "stroke=\"%6\" stroke-width=\"%4\"/>\n")
           .arg(shape.cardLeft)
           .arg(shape.cardSide)
           .arg(shape.radius)
           .arg(shape.frame)
           .arg(hex(kIconCardFill), hex(kIconCardLine));
  s << QString(
           "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"%5\" stroke-width=\"%4\"/>\n")
           .arg(shape.plotLeft)
           .arg(shape.mid)
           .arg(shape.plotLeft + shape.plotSide)
           .arg(shape.midLineWidth, 0, 'f', 2)
           .arg(hex(kIconMidLine));
  for (const IconCurve& c : kIconCurves) {
    s << "  <polyline fill=\"none\" stroke=\"" << hex(c.colour) << "\" stroke-width=\""
      << QString::number(shape.curveWidth, 'f', 2)
      << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
    for (int i = 0; i <= kIconCurveSteps; ++i) {
      s << QString::number(shape.curveX(i), 'f', 1) << ','
        << QString::number(shape.curveY(c, i), 'f', 1) << (i < kIconCurveSteps ? " " : "");
    }
    s << "\"/>\n";
  }
  s << "</svg>\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? QString(argv[1]) : QString(".");
  for (int size : {16, 32, 48, 64, 128, 256}) {
    if (!tw::platform::programIconImage(size).save(dir + QString("/tidewell-%1.png").arg(size)))
      return 1;
  }
  QFile svg(dir + "/tidewell.svg");
  if (!svg.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
  svg.write(svgIcon().toUtf8());
  return 0;
}
