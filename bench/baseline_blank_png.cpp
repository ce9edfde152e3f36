// The yardstick for tidewell-chart's start-up: the least a Qt program does to write a PNG of
// the same size (application, image, file), with no chart and no text.
#include <QGuiApplication>
#include <QImage>
#include <QString>

int main(int argc, char* argv[]) {
  if (argc < 4) return 2;  // baseline_blank_png WIDTH HEIGHT FILE
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  QImage image(QString(argv[1]).toInt(), QString(argv[2]).toInt(), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
