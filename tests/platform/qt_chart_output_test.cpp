#include "platform/qt_chart_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QTemporaryDir>
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

  QTemporaryDir dir;
  std::unique_ptr<AppRoot> root;
};

TEST_F(QtPrintSave, PrintsOnePdfPageOfTheChartAtItsPhysicalSizeOnWhite) {
  auto& display = root->display();
  const QString pdf = path("chart.pdf");
  display.dialogs().runner = [&](QDialog& d) {
    EXPECT_FALSE(dynamic_cast<QPrintDialog&>(d).testOption(QAbstractPrintDialog::PrintPageRange));
    display.printer().setOutputFormat(QPrinter::PdfFormat);  // choosing "Print to File (PDF)"
    display.printer().setOutputFileName(pdf);
    return int(QDialog::Accepted);
  };
  root->view().windowAdapter().setWidth(9000);
  root->view().windowAdapter().setHeight(7000);
  root->view().action("print")->trigger();

  EXPECT_EQ(root->printPageWindow().widget()->windowHandle(), nullptr) << "the print page was shown";
  const QtChartImage* picture = display.printPage().image();
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->inches().width(), 8650 / 1440.0, 1 / picture->dpi);
  EXPECT_NEAR(picture->inches().height(), 5225 / 1440.0, 1 / picture->dpi);
  EXPECT_EQ(picture->image.pixel(1, 1), kWhite);
  EXPECT_EQ(screen().pixel(1, 1), qRgb(255, 255, 128));

  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
  EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "a page without the chart";
}

TEST_F(QtPrintSave, SaveDialogHasItsPresetsAndTheFileHoldsTheChartAsShown) {
  QStringList offered;
  QString typed = path("first");
  root->display().dialogs().runner = [&](QDialog& d) {
    auto& save = dynamic_cast<QFileDialog&>(d);
    EXPECT_EQ(save.nameFilters(), QStringList{"Bitmaps (*.BMP)"});
    EXPECT_EQ(save.defaultSuffix(), "BMP");
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

}  // namespace
}  // namespace tw::platform
