#pragma once
// One application object for the whole test program (offscreen, set by the test runner).
#include <QApplication>
#include <QColor>
#include <algorithm>
#include <cmath>

namespace tw::test {

inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  // Another test may have made it already; never destroyed, as widgets may outlive statics.
  if (!qApp) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Contrast of two colours as WCAG measures it, 1 (the same) to 21 (black on white); written out
// here so that tests do not lean on the program's own.
inline double contrast(const QColor& a, const QColor& b) {
  auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  auto lum = [&](const QColor& c) { return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()); };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

}  // namespace tw::test
