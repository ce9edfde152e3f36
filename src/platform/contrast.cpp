#include "platform/contrast.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "platform/system_colours.h"

namespace tw::platform {

namespace {

// Contrast of two colours as WCAG measures it, from 1 (the same) to 21 (black on white).
double luminance(const QColor& c) {
  auto linear = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Text and uncoloured lines take the desktop's text colour, which a dark theme makes light. On a
// background the user (or printing) chose, black takes over where that colour
// would vanish, so a print on white stays readable.
QColor foregroundOn(Colour background) {
  const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
  if (isSystemColour(background)) return text;
  return contrast(text, resolveColour(background)) >= 3.0 ? text : QColor(Qt::black);
}

}  // namespace tw::platform
