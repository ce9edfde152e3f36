#include <QApplication>

#include "platform/app_root.h"
#include "platform/single_instance.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tidewell"));
  QApplication::setOrganizationName(QStringLiteral("Kestrelmoor"));
  // Lets Wayland desktops match the window to its desktop entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrelmoor.Tidewell"));
  // Two programs on one settings file would overwrite each other's people.
  tw::platform::SingleInstance instance(tw::platform::QtSettingsStore::defaultFilePath());
  if (!instance.claim()) return 0;
  tw::platform::AppRoot root;
  QObject::connect(&instance, &tw::platform::SingleInstance::anotherStarted,
                   [&root] { root.bringToFront(); });
  root.start();
  root.welcomeFirstRun();
  return QApplication::exec();
}
