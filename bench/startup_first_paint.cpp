// The program exactly as main.cpp starts it, ending once its chart has first been painted.
#include <QApplication>
#include <QTimer>

#include "first_paint.h"
#include "platform/app_root.h"
#include "platform/system/single_instance.h"

int main(int argc, char* argv[]) {
  bench::mainStart();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tidewell"));
  QApplication::setOrganizationName(QStringLiteral("Kestrelmoor"));
  // As the program does: one running copy per settings file.
  tw::platform::SingleInstance instance(tw::platform::QtSettingsStore::defaultFilePath());
  if (!instance.claim()) return 1;
  tw::platform::AppRoot root;
  bool done = false;
  QObject::connect(root.view().chartView(), &tw::platform::ChartView::painted, [&done] {
    if (done) return;
    done = true;
    bench::reportFirstPaint();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  });
  root.start();
  return QApplication::exec();
}
