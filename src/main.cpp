#include <QApplication>

#include "platform/app_root.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tidewell"));
  QApplication::setOrganizationName(QStringLiteral("Kestrelmoor"));
  tw::platform::AppRoot root;
  root.start();
  return QApplication::exec();
}
