#pragma once
// One application object for the whole test program (offscreen, set by the test runner).
#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
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

// Presses each character's key in `widget`, as a user types; "\r" is Return.
inline void typeInto(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c == u'\r' ? int(Qt::Key_Return) : int(c.toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
  }
}

}  // namespace tw::test
