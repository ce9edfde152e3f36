#include "platform/drawing/program_font.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "platform/drawing/screen_twips.h"

namespace tw::platform {

QFont programFont(double points) {
  // Faces with Arial's widths, in TrueType first: a Type 1 face (Nimbus Sans) takes
  // longer to open and hint than all the rest of start-up's text. Every family asked for before
  // the one found costs a look-up in the font configuration.
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                 QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                 QStringLiteral("Helvetica")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  return f;
}

double chartTextScale() {
  // The same at every size and dpi, worked out once for the face found here.
  static const int percent = [] {
    QFont label = programFont(8);
    label.setBold(true);
    const QFontMetricsF metrics(label);
    double widest = 0;
    for (const char* text : {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su", " 28"})
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
    // A label starts 30 twips into its column; keep a pixel clear of the next column's tick.
    const double room = pixelsFromTwips(275 - 30 - kTwipsPerPixel, screenDpi());
    if (widest <= room) return 100;
    return std::max(60, static_cast<int>(std::floor(100 * room / widest)));
  }();
  return percent / 100.0;
}

}  // namespace tw::platform
