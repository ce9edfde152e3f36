// The yardstick for start-up: an empty main window of the program's size, built like the
// program, ending once its client area has first been painted. With "--label" the window also
// shows one line of text, which is what loading the font system alone costs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include "first_paint.h"

namespace {
class Area : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    if (done_) return;
    done_ = true;
    bench::reportFirstPaint();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  }

 private:
  bool done_ = false;
};
}  // namespace

int main(int argc, char* argv[]) {
  bench::mainStart();
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Tidewell"));
  auto* area = new Area;
  window.setCentralWidget(area);
  if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("--label"))
    new QLabel(QStringLiteral("Chart date"), area);
  window.resize(468, 283);  // the program's designed window
  window.show();
  return QApplication::exec();
}
