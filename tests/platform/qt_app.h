#pragma once
// One application object for the whole test program (offscreen, set by the test runner).
#include <QApplication>

namespace tw::test {

inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  // Another test may have made it already; never destroyed, as widgets may outlive statics.
  if (!qApp) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace tw::test
