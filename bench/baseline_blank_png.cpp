// The yardstick for tidewell-chart's start-up: the least a Qt program does to write a PNG of
// the same size (application, image, file), with no chart and no text. Given a COUNT, it writes
// that many in one process, FILE-1.png and on, the yardstick for --batch.
#include <QGuiApplication>
#include <QImage>
#include <QString>

namespace {
bool writeBlank(int width, int height, const QString& file) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image.save(file, "PNG");
}
}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) return 2;  // baseline_blank_png WIDTH HEIGHT FILE [COUNT]
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const int width = QString(argv[1]).toInt(), height = QString(argv[2]).toInt();
  const QString file = QString::fromLocal8Bit(argv[3]);
  if (argc < 5) return writeBlank(width, height, file) ? 0 : 1;
  const int count = QString(argv[4]).toInt();
  for (int i = 1; i <= count; ++i)
    if (!writeBlank(width, height, file + "-" + QString::number(i) + ".png")) return 1;
  return 0;
}
