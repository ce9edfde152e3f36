#include "platform/qt_chart_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include "platform/app_root.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// The real program on a pale yellow chart, its files in a temporary folder.
struct QtPrintSave : ::testing::Test {
  void SetUp() override {
    test::qtApp();
    root = std::make_unique<AppRoot>(path("Tidewell.ini"));
    root->start();
    ChartOptions options = root->mainWindow().state().options;
    options.backgroundColour = rgb(255, 255, 128);
    root->mainWindow().applyOptions(options);
    root->mainWindow().drawChart();
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QImage screen() const {
    return root->view().surface().image().convertToFormat(QImage::Format_RGB32);
  }
  QWidget* printPageWindow() { return root->printPageWindow().widget(); }

  QTemporaryDir dir;
  std::unique_ptr<AppRoot> root;
};

// The smallest rectangle holding every dark or strongly coloured pixel.
QRect inkBounds(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 128) box |= QRect(x, y, 1, 1);
    }
  return box;
}

TEST_F(QtPrintSave, PrintsOnePdfPageWithTheChartTopLeftAtItsPhysicalSizeOnWhite) {
  auto& display = root->display();
  const QString pdf = path("chart.pdf");
  bool pageRange = true, toFile = false;
  display.dialogs().runner = [&](QDialog& d) {
    auto& print = dynamic_cast<QPrintDialog&>(d);
    pageRange = print.testOption(QAbstractPrintDialog::PrintPageRange);
    toFile = print.testOption(QAbstractPrintDialog::PrintToFile);
    display.printer().setOutputFormat(QPrinter::PdfFormat);  // choosing "Print to File (PDF)"
    display.printer().setOutputFileName(pdf);
    return int(QDialog::Accepted);
  };
  root->view().windowAdapter().setWidth(9000);
  root->view().windowAdapter().setHeight(7000);
  root->view().action("print")->trigger();

  EXPECT_FALSE(pageRange);
  EXPECT_TRUE(toFile);
  EXPECT_EQ(printPageWindow()->windowHandle(), nullptr) << "the print page was shown";
  EXPECT_EQ(root->printPageWindow().width(), 8750);
  EXPECT_EQ(root->printPageWindow().height(), 5625);
  const QtChartImage* picture = display.printPage().image();
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->inches().width(), 8650 / 1440.0, 1 / picture->dpi);
  EXPECT_NEAR(picture->inches().height(), 5225 / 1440.0, 1 / picture->dpi);
  EXPECT_EQ(picture->image.pixel(1, 1), kWhite);
  EXPECT_EQ(screen().pixel(1, 1), qRgb(255, 255, 128));
  EXPECT_EQ(root->view().windowAdapter().width(), 9000);

  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "96", "-png", "-singlefile", pdf, path("page")}), 0);
  // The ink on the page is the chart's ink, placed at the printable area's corner at 96 dpi.
  const QImage page = QImage(path("page.png")).convertToFormat(QImage::Format_RGB32);
  const QImage chart = picture->image.convertToFormat(QImage::Format_RGB32);
  const QPointF origin = display.printer().pageLayout().paintRectPoints().topLeft() * 96 / 72.0;
  const double scale = 96 / (picture->dpi * chart.devicePixelRatio());
  const QRect chartInk = inkBounds(chart), pageInk = inkBounds(page);
  ASSERT_FALSE(chartInk.isEmpty());
  EXPECT_NEAR(pageInk.left(), origin.x() + chartInk.left() * scale, 2);
  EXPECT_NEAR(pageInk.top(), origin.y() + chartInk.top() * scale, 2);
  EXPECT_NEAR(pageInk.right(), origin.x() + chartInk.right() * scale, 2);
  EXPECT_NEAR(pageInk.bottom(), origin.y() + chartInk.bottom() * scale, 2);
  int red = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) red += qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 60;
  EXPECT_GT(red, 20);  // the physical curve came across in its colour
}

TEST_F(QtPrintSave, SaveDialogHasItsPresetsAndTheFileHoldsTheChartAsShown) {
  QStringList offered;
  QString typed = path("first");
  root->display().dialogs().runner = [&](QDialog& d) {
    auto& save = dynamic_cast<QFileDialog&>(d);
    EXPECT_EQ(save.windowTitle(), "Save chart as bitmap");
    EXPECT_EQ(save.nameFilters(), QStringList{"Bitmaps (*.BMP)"});
    EXPECT_EQ(save.defaultSuffix(), "BMP");
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    offered << QFileInfo(save.selectedFiles().value(0)).fileName();
    save.selectFile(typed);
    return int(QDialog::Accepted);
  };
  root->view().action("saveAsBmp")->trigger();
  typed = path("second.BMP");
  root->view().action("saveAsBmp")->trigger();
  EXPECT_EQ(offered, (QStringList{"Tidewell.BMP", "first.BMP"}));

  for (const QString name : {"first.BMP", "second.BMP"}) {
    const QImage saved = QImage(path(name), "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.pixel(1, 1), qRgb(255, 255, 128));
    EXPECT_TRUE(saved == screen()) << "not the chart on the screen";
  }
}

TEST_F(QtPrintSave, AFailedWriteLeavesTheOldFileWhole) {
  const QString target = path("kept.BMP");
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old contents");
  old.close();
  int asked = 0;
  root->display().dialogs().runner = [&](QDialog& d) {
    ++asked;
    dynamic_cast<QFileDialog&>(d).selectFile(target);
    return int(QDialog::Accepted);
  };
  // A disk that is full after 4 kB, too little for the bitmap.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  root->view().action("saveAsBmp")->trigger();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);

  EXPECT_EQ(asked, 1);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old contents");
  EXPECT_EQ(QDir(dir.path()).entryList({"*.BMP*"}, QDir::Files), QStringList{"kept.BMP"});
}

TEST_F(QtPrintSave, AFolderThatIsNotThereIsRefusedAndQtKeepsNoSettingsFileOfItsOwn) {
  QString warned;
  bool stayed = false;
  root->display().dialogs().runner = [&](QDialog& d) {
    auto& save = dynamic_cast<QFileDialog&>(d);
    save.selectFile(path("missing/chart.BMP"));
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        warned = box->text();
        box->close();
      }
    });
    d.accept();
    stayed = save.result() != QDialog::Accepted;
    save.selectFile(path("chart.BMP"));
    d.accept();
    return save.result();
  };
  root->view().action("saveAsBmp")->trigger();
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(warned.endsWith("/missing\nThis folder does not exist.\nCheck the folder's name and try again."))
      << warned.toStdString();
  EXPECT_TRUE(QFile::exists(path("chart.BMP")));
  EXPECT_FALSE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).isWritable());
}

}  // namespace
}  // namespace tw::platform
