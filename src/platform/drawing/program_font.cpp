#include "platform/drawing/program_font.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "cycles/date.h"
#include "platform/drawing/screen_twips.h"
#include "platform/system/ui_text.h"

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
    // The day labels as the catalogue writes them, and the widest day number.
    QStringList texts{QStringLiteral(" 28")};
    for (Date day = 0; day < 7; ++day) texts << qtText(weekdayLabel(day));
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    // A label starts 30 twips into its column; keep a pixel clear of the next column's tick.
    const double room = pixelsFromTwips(275 - 30 - kTwipsPerPixel, screenDpi());
    if (widest <= room) return 100;
    return std::max(60, static_cast<int>(std::floor(100 * room / widest)));
  }();
  return percent / 100.0;
}

}  // namespace tw::platform
