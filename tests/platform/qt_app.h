#pragma once
// One application object for the whole test program (offscreen, set by the test runner).
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tw::test {

inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  // Another test may have made it already; never destroyed, as widgets may outlive statics.
  if (!qApp) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QCoreApplication::instance());
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
