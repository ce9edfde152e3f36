#include "platform/drawing/qt_chart_output.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <tuple>

#include "platform/app_root.h"
#include "platform/qt_app.h"

namespace tw::platform {
namespace {

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

// Standard output of a poppler tool, or nothing when it is not installed.
std::optional<QString> poppler(const QString& tool, const QStringList& args) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return std::nullopt;
  QProcess p;
  p.start(program, args);
  p.waitForFinished();
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(QtPrintSave, PrintsOnePdfPageAtThePrintableAreasCorner) {
  auto& display = root->display();
  const QString pdf = path("chart.pdf");
  display.dialogs().runner = [&](QDialog& d) {
    EXPECT_FALSE(dynamic_cast<QPrintDialog&>(d).testOption(QAbstractPrintDialog::PrintPageRange))
        << "the print dialog offers a page range";
    QPrinter& printer = display.printer()->qtPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);  // choosing "Print to File (PDF)"
    printer.setOutputFileName(pdf);
    return int(QDialog::Accepted);
  };
  root->view().windowAdapter().setWidth(9000);
  root->view().windowAdapter().setHeight(7000);
  root->view().action("print")->trigger();

  EXPECT_EQ(root->printPageWindow().widget()->windowHandle(), nullptr)
      << "the print page was shown";
  // The printed chart, drawn again here at 96 dpi, to find where its ink lies.
  const ChartDrawing& printed = display.printPage().chart();
  QtSurface again(96, 1);
  again.setSizeTwips(printed.width, printed.height);
  printed.draw(again);
  const QImage chart = again.image().convertToFormat(QImage::Format_RGB32);

  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
  const auto images = poppler("pdfimages", {"-list", pdf});
  const auto text = poppler("pdftotext", {"-layout", pdf, "-"});
  if (!images || !text || !poppler("pdftoppm", {"-v"}))
    GTEST_SKIP() << "poppler-utils is not installed";
  EXPECT_EQ(images->count('\n'), 2) << images->toStdString();  // the table's heading alone
  for (const char* header : {"Birthday: ", "Chart date: ", "Age: "})
    EXPECT_TRUE(text->contains(QString::fromLatin1(header)))
        << header << " not in " << text->toStdString();
  poppler("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, path("page")});
  // The ink on the page is the chart's ink, placed at the printable area's corner.
  const QImage page = QImage(path("page.png")).convertToFormat(QImage::Format_RGB32);
  const QPointF origin =
      display.printer()->qtPrinter().pageLayout().paintRectPoints().topLeft() * 96 / 72.0;
  const QRect chartInk = inkBounds(chart), pageInk = inkBounds(page);
  ASSERT_FALSE(chartInk.isEmpty()) << "no pixel of the chart's ink";
  EXPECT_NEAR(pageInk.left(), origin.x() + chartInk.left(), 2);
  EXPECT_NEAR(pageInk.top(), origin.y() + chartInk.top(), 2);
  EXPECT_NEAR(pageInk.right(), origin.x() + chartInk.right(), 2);
  EXPECT_NEAR(pageInk.bottom(), origin.y() + chartInk.bottom(), 2);
}

TEST_F(QtPrintSave, TheSaveDialogWritesTheTypeChosenInIt) {
  // The name typed in the dialog, the filter chosen there, the file written and how it begins.
  const struct {
    const char* typed;
    int filter;
    const char* file;
    QByteArray start;
  } cases[] = {
      {"chart", 0, "chart.BMP", "BM"},
      {"chart", 1, "chart.png", "\x89PNG"},
      {"chart", 2, "chart.svg", "<?xml"},
      {"chart", 3, "chart.pdf", "%PDF"},
  };
  QStringList offered;
  int i = 0;
  root->display().dialogs().runner = [&](QDialog& d) {
    auto& save = dynamic_cast<QFileDialog&>(d);
    EXPECT_EQ(save.windowTitle(), "Save chart as bitmap");
    EXPECT_EQ(save.nameFilters(), (QStringList{"Bitmaps (*.BMP)", "PNG images (*.png)",
                                               "SVG drawings (*.svg)", "PDF documents (*.pdf)"}));
    EXPECT_EQ(std::tuple(save.selectedNameFilter(), save.defaultSuffix()),
              std::tuple(QString("Bitmaps (*.BMP)"), QString("BMP")));
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite))
        << "replacing a file is not confirmed";
    offered << QFileInfo(save.selectedFiles().value(0)).fileName();
    // What choosing a filter in the list does: select it and say so.
    const QString filter = save.nameFilters().at(cases[i].filter);
    save.selectNameFilter(filter);
    emit save.filterSelected(filter);
    save.selectFile(path(cases[i].typed));
    return int(QDialog::Accepted);
  };
  for (i = 0; i < static_cast<int>(std::size(cases)); ++i)
    root->view().action("saveAsBmp")->trigger();
  EXPECT_EQ(offered, (QStringList{"Tidewell.BMP", "chart.BMP", "chart.png", "chart.svg"}));
  for (const auto& c : cases) {
    QFile file(path(c.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file;
    EXPECT_EQ(file.read(c.start.size()), c.start) << c.file;
  }
  // The bitmap is the screen's image itself; a PNG is drawn afresh by the same code, alike.
  for (const char* name : {"chart.BMP", "chart.png"})
    EXPECT_TRUE(QImage(path(name)).convertToFormat(QImage::Format_RGB32) == screen()) << name;
  QFile svg(path("chart.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << svg.errorString().toStdString();
  EXPECT_THAT(svg.readAll().toStdString(),
              ::testing::HasSubstr("fill=\"#ffff80\""));  // the chosen background
  // The dialog's own history goes nowhere: Tidewell.ini is the only settings file.
  EXPECT_FALSE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).isWritable())
      << QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName().toStdString();
}

}  // namespace
}  // namespace tw::platform
