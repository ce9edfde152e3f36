#include <QApplication>

#include "platform/app_root.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tidewell"));
  QApplication::setOrganizationName(QStringLiteral("Kestrelmoor"));
  // Lets Wayland desktops match the window to its desktop entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrelmoor.Tidewell"));
  tw::platform::AppRoot root;
  root.start();
  root.welcomeFirstRun();
  return QApplication::exec();
}
