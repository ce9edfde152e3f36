#include <QApplication>
#include <QSessionManager>

#include "platform/app_root.h"
#include "platform/system/languages.h"
#include "platform/system/quit_signals.h"
#include "platform/system/single_instance.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tw::platform::startLanguages(QCoreApplication::applicationDirPath());
  QApplication::setApplicationName(QStringLiteral("Tidewell"));
  QApplication::setOrganizationName(QStringLiteral("Kestrelmoor"));
  // Lets Wayland desktops match the window to its desktop entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrelmoor.Tidewell"));
  // Made first so that it goes last: a signal during the shut-down that follows a first one is
  // taken as a request, not as the default end that would leave the lock behind.
  tw::platform::QuitSignals quitSignals;
  // A second start on the same settings file raises the first instead.
  tw::platform::SingleInstance instance(tw::platform::QtSettingsStore::defaultFilePath());
  if (!instance.claim()) return 0;
  tw::platform::AppRoot root;
  QObject::connect(&instance, &tw::platform::SingleInstance::anotherStarted,
                   [&root] { root.bringToFront(); });
  QObject::connect(&quitSignals, &tw::platform::QuitSignals::quitRequested,
                   [&root] { root.quitOnRequest(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest,
                   [&root](QSessionManager&) { root.quitOnRequest(); });
  root.start();
  root.tellIfSettingsUntouched();
  root.welcomeFirstRun();
  return QApplication::exec();
}
