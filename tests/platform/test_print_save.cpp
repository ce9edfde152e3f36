#include "platform/print_save.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include "mock/fakes.h"
#include "platform/display_wiring.h"
#include "platform/main_window.h"
#include "test_display_fixture.h"

namespace tw::platform {
namespace {

using test_display::CommandWindow;
using QtPrintSave = CommandWindow;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kPaleYellow = qRgb(255, 255, 128);

// Dark or strongly coloured: a line or a letter, not a rendering's grey fringe.
bool isInk(QRgb p) { return std::min({qRed(p), qGreen(p), qBlue(p)}) < 128; }

// The smallest rectangle holding every pixel of ink.
QRect inkBounds(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (isInk(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

TEST_F(QtPrintSave, PrintsOnePdfPageWithTheChartAtTheTopLeftAtItsPhysicalSizeOnWhite) {
  const QString pdf = path("chart.pdf");
  bool pageRangeOffered = true, pdfOffered = false;
  wiring->dialog().runner = [&](QDialog& d) {
    auto* print = qobject_cast<QPrintDialog*>(&d);
    if (!print) return int(QDialog::Rejected);
    pageRangeOffered = print->testOption(QAbstractPrintDialog::PrintPageRange);
    pdfOffered = print->testOption(QAbstractPrintDialog::PrintToFile);
    // What choosing the PDF printer and a file name does.
    wiring->printer().setOutputFormat(QPrinter::PdfFormat);
    wiring->printer().setOutputFileName(pdf);
    return int(QDialog::Accepted);
  };
  resize(9000, 7000);
  window->action("FilePrint")->trigger();

  EXPECT_FALSE(pageRangeOffered);
  EXPECT_TRUE(pdfOffered);
  EXPECT_EQ(form2Shows->shows, 0);
  EXPECT_FALSE(form2Window->isVisible());
  EXPECT_TRUE(messages.shown.empty());
  // The print page is the chart area's size plus its margins; the chart 8650 by 5225 twips.
  EXPECT_EQ(form2Adapter->width(), 8750);
  EXPECT_EQ(form2Adapter->height(), 5625);
  const QtPicture* picture = wiring->printPage().picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->inches().width(), 8650 / 1440.0, 1.0 / picture->dpi);
  EXPECT_NEAR(picture->inches().height(), 5225 / 1440.0, 1.0 / picture->dpi);
  // White on the page, its own colour again on the screen.
  EXPECT_EQ(picture->image.pixel(1, 1), kWhite);
  EXPECT_EQ(screenImage().pixel(1, 1), kPaleYellow);
  EXPECT_EQ(window->windowAdapter().width(), 9000);
  EXPECT_EQ(window->windowAdapter().height(), 7000);

  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                bytes.count("/Type /Page/") + bytes.count("/Type /Page "),
            1);

  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  const int dpi = 96;
  ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", QString::number(dpi), "-png", "-singlefile", pdf,
                                         path("page")}),
            0);
  const QImage page = QImage(path("page.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(page.isNull());

  // Where the printable area starts on the rendered page, and the chart's ink in it.
  const QRectF area = wiring->printer().pageLayout().paintRectPoints();
  const QPointF origin = area.topLeft() * dpi / 72.0;
  const QImage chart = picture->image.convertToFormat(QImage::Format_RGB32);
  const QRect chartInk = inkBounds(chart);
  ASSERT_FALSE(chartInk.isEmpty());
  const double toPage = dpi / (picture->dpi * chart.devicePixelRatio());
  const QRect pageInk = inkBounds(page);
  EXPECT_NEAR(pageInk.left(), origin.x() + chartInk.left() * toPage, 2);
  EXPECT_NEAR(pageInk.top(), origin.y() + chartInk.top() * toPage, 2);
  EXPECT_NEAR(pageInk.right(), origin.x() + chartInk.right() * toPage, 2);
  EXPECT_NEAR(pageInk.bottom(), origin.y() + chartInk.bottom() * toPage, 2);
  // White all round the picture.
  const QRectF placed(origin, QSizeF(chart.size()) * toPage);
  const QRect around = placed.toAlignedRect().adjusted(-1, -1, 1, 1);
  int stray = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (!around.contains(x, y) && page.pixel(x, y) != kWhite) ++stray;
  EXPECT_EQ(stray, 0);
  // The curves came across in their colours.
  int red = 0;
  for (int y = pageInk.top(); y <= pageInk.bottom(); ++y)
    for (int x = pageInk.left(); x <= pageInk.right(); ++x)
      if (qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 60 &&
          qBlue(page.pixel(x, y)) < 60)
        ++red;
  EXPECT_GT(red, 20);
}

TEST_F(QtPrintSave, ALargeWindowPrintsAtTheLimitsAndComesBack) {
  wiring->dialog().runner = [&](QDialog&) {
    wiring->printer().setOutputFormat(QPrinter::PdfFormat);
    wiring->printer().setOutputFileName(path("big.pdf"));
    return int(QDialog::Accepted);
  };
  resize(14000, 12000);
  window->action("FilePrint")->trigger();
  const QtPicture* picture = wiring->printPage().picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->inches().width(), 11150 / 1440.0, 1.0 / picture->dpi);
  EXPECT_NEAR(picture->inches().height(), 8225 / 1440.0, 1.0 / picture->dpi);
  EXPECT_EQ(form2Adapter->width(), 11250);
  EXPECT_EQ(form2Adapter->height(), 8625);
  EXPECT_EQ(window->windowAdapter().width(), 14000);
  EXPECT_EQ(window->windowAdapter().height(), 12000);
  EXPECT_EQ(form2Shows->shows, 0);
}

TEST_F(QtPrintSave, MaximisedPrintIsRefusedFromTheToolbarAndCancelPrintsNothing) {
  int dialogs = 0;
  wiring->dialog().runner = [&](QDialog&) {
    ++dialogs;
    return int(QDialog::Rejected);
  };
  window->showMaximized();
  QAction* print = nullptr;
  for (QAction* a : window->toolbar()->actions())
    if (a->data().toString() == "Print") print = a;
  ASSERT_NE(print, nullptr);
  print->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt,
            "Unable to print while this window is maximized.\r\n"
            "Please restore the window and try again.");
  EXPECT_EQ(dialogs, 0);

  window->showNormal();
  window->windowAdapter().setWindowState(ui::Normal);
  const QImage before = screenImage();
  print->trigger();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(wiring->printPage().picture(), nullptr);
  EXPECT_EQ(screenImage(), before);
  EXPECT_FALSE(form2Window->isVisible());
}

TEST_F(QtPrintSave, SaveDialogHasItsPresetsAndWritesTheChartAsShown) {
  QStringList offered;
  QString target = path("first");
  wiring->dialog().runner = [&](QDialog& d) {
    auto* save = qobject_cast<QFileDialog*>(&d);
    if (!save) return int(QDialog::Rejected);
    EXPECT_EQ(save->windowTitle(), "Save chart as bitmap");
    EXPECT_EQ(save->nameFilters(), QStringList{"Bitmaps (*.BMP)"});
    EXPECT_EQ(save->defaultSuffix(), "BMP");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    offered << QFileInfo(save->selectedFiles().value(0)).completeBaseName();
    save->selectFile(target);
    return int(QDialog::Accepted);
  };
  window->action("FileSaveBMP")->trigger();
  target = path("second.BMP");
  window->action("FileSaveBMP")->trigger();
  EXPECT_EQ(offered, (QStringList{"Tidewell", "first"}));

  for (const QString name : {"first.BMP", "second.BMP"}) {
    SCOPED_TRACE(name.toStdString());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM");
    file.close();
    const QImage saved = QImage(path(name), "BMP").convertToFormat(QImage::Format_RGB32);
    const QImage shown = screenImage();
    ASSERT_EQ(saved.size(), shown.size());
    EXPECT_EQ(saved.pixel(1, 1), kPaleYellow);
    EXPECT_TRUE(saved == shown) << "pixels differ from the chart on the screen";
  }
}

TEST_F(QtPrintSave, AFailedWriteLeavesTheOldFileWholeAndSaysNothing) {
  const QString target = path("kept.BMP");
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
  }
  int asked = 0;
  wiring->dialog().runner = [&](QDialog& d) {
    ++asked;
    qobject_cast<QFileDialog*>(&d)->selectFile(target);
    return int(QDialog::Accepted);
  };
  // A disk that fills up after 4 kB: the bitmap does not fit.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  window->action("FileSaveBMP")->trigger();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(asked, 1);
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old contents");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.BMP"});
  EXPECT_TRUE(messages.shown.empty());

  // A folder that is not there.
  QtPictureFiles files;
  QtPicture picture;
  picture.image = screenImage();
  EXPECT_FALSE(files.SavePicture(picture, path("missing/chart.BMP").toStdString()));
}

}  // namespace
}  // namespace tw::platform
