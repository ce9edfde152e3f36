// Writes the program icon files installed for desktop menus: tidewell-N.png from the
// same drawing the program uses, and tidewell.svg traced from the same geometry.
// Build and run from the repository root:
//   g++ -std=c++20 -fPIC -Isrc data/icons/make_icons.cpp src/platform/icons.cpp
//       $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_icons
//   QT_QPA_PLATFORM=offscreen /tmp/make_icons data/icons
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cmath>

#include "platform/icons.h"

namespace {

// Keep in step with paintProgramIcon in src/platform/icons.cpp.
QString svgIcon() {
  const double size = 256;
  const double frame = std::max(1.0, std::round(size / 32.0));
  const double margin = std::round(size * 0.04);
  const double x0 = margin + frame / 2, side = size - 2 * margin - frame;
  const double inset = frame + std::max(1.0, size * 0.06);
  const double left = x0 + inset, width = side - 2 * inset;
  const double mid = x0 + side / 2, amp = (side - 2 * inset) * 0.4;
  struct Curve { const char* colour; double periods; double phase; };
  const Curve curves[] = {{"#dc1e1e", 0.9, 0.2}, {"#14a028", 0.7, 2.3}, {"#1e46e6", 0.55, 4.3}};

  QString out;
  QTextStream s(&out);
  s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
  s << QString("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"#fffdf4\" "
               "stroke=\"#283048\" stroke-width=\"%4\"/>\n")
           .arg(x0).arg(side).arg(size * 0.12).arg(frame);
  s << QString("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#aaaab4\" stroke-width=\"%4\"/>\n")
           .arg(left).arg(mid).arg(left + width).arg(size / 48.0, 0, 'f', 2);
  for (const Curve& c : curves) {
    s << "  <polyline fill=\"none\" stroke=\"" << c.colour << "\" stroke-width=\""
      << QString::number(size / 18.0, 'f', 2)
      << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
    for (int i = 0; i <= 64; ++i) {
      const double t = i / 64.0;
      s << QString::number(left + t * width, 'f', 1) << ','
        << QString::number(mid - amp * std::sin(2 * M_PI * c.periods * t + c.phase), 'f', 1)
        << (i < 64 ? " " : "");
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
    if (!tw::platform::programIconImage(size).save(dir + QString("/tidewell-%1.png").arg(size))) return 1;
  }
  QFile svg(dir + "/tidewell.svg");
  if (!svg.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
  svg.write(svgIcon().toUtf8());
  return 0;
}
