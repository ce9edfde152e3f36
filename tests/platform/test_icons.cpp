#include "platform/icons.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>

namespace {

using namespace tw::platform;

// QPixmap and QIcon need a GUI application; other tests may already have made one.
void ensureApp() {
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "test_icons";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
  }
}

const QRgb kSilver = qRgb(192, 192, 192);

bool isDark(QRgb c) { return qAlpha(c) == 255 && qGray(c) < 64; }

int darkCount(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += isDark(img.pixel(x, y));
  return n;
}

// Separate runs of black along one row.
int blackRuns(const QImage& img, int y) {
  int runs = 0;
  bool inRun = false;
  for (int x = 0; x < img.width(); ++x) {
    const bool black = img.pixel(x, y) == qRgb(0, 0, 0);
    if (black && !inRun) ++runs;
    inRun = black;
  }
  return runs;
}

int blackInColumn(const QImage& img, int x) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) n += img.pixel(x, y) == qRgb(0, 0, 0);
  return n;
}

TEST(Icons, KeysAndTagsInImageListOrder) {
  const char* names[] = {"Disk", "Print", "Back3", "Back2", "Back1",
                         "Forward1", "Forward2", "Forward3", "Calendar", "Speech"};
  for (int i = 1; i <= kImageCount; ++i) {
    EXPECT_EQ(imageKey(i), QString(names[i - 1]) + "IconKey") << i;
    EXPECT_EQ(imageTag(i), QString(names[i - 1]) + "IconTag") << i;
  }
  for (int bad : {0, 11, -1}) {
    EXPECT_TRUE(imageKey(bad).isEmpty());
    EXPECT_TRUE(imageTag(bad).isEmpty());
    EXPECT_TRUE(imageListPicture(bad).isNull());
    EXPECT_TRUE(toolbarImage(bad).isNull());
  }
}

TEST(Icons, EachPictureIsDrawnOnSilver) {
  for (int i = 1; i <= kImageCount; ++i) {
    const QImage img = imageListPicture(i);
    ASSERT_EQ(img.size(), QSize(20, 20)) << i;
    EXPECT_EQ(img.format(), QImage::Format_RGB32) << i;
    for (QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)}) {
      EXPECT_EQ(img.pixel(corner), kSilver) << i;
    }
    EXPECT_GE(darkCount(img), 20) << i;
  }
}

TEST(Icons, ToolbarImageKeysOutSilverOnly) {
  ensureApp();
  for (int i = 1; i <= kImageCount; ++i) {
    const QImage picture = imageListPicture(i);
    const QImage small = toolbarImage(i).pixmap(QSize(20, 20), 1.0).toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(20, 20)) << i;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const QRgb want = picture.pixel(x, y) == kSilver ? qRgba(0, 0, 0, 0) : picture.pixel(x, y);
        ASSERT_EQ(small.pixel(x, y), want) << i << " at " << x << "," << y;
      }
    }
    // The double-density picture is the same drawing: about four times the ink.
    const QImage large = toolbarImage(i).pixmap(QSize(20, 20), 2.0).toImage();
    ASSERT_EQ(large.size(), QSize(40, 40)) << i;
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0) << i;
    const int ratio100 = 100 * darkCount(large) / darkCount(small);
    EXPECT_GT(ratio100, 250) << i;
    EXPECT_LT(ratio100, 500) << i;
  }
}

TEST(Icons, ForwardIsBackInAMirror) {
  const std::pair<int, int> pairs[] = {{3, 8}, {4, 7}, {5, 6}};
  for (auto [back, forward] : pairs) {
    EXPECT_EQ(imageListPicture(back).mirrored(true, false), imageListPicture(forward)) << back;
  }
}

TEST(Icons, StepPicturesShowTheirTriangleCountAndDirection) {
  const struct { int index; int triangles; bool left; } rows[] = {
      {3, 3, true}, {4, 2, true}, {5, 1, true}, {6, 1, false}, {7, 2, false}, {8, 3, false}};
  for (const auto& r : rows) {
    const QImage img = imageListPicture(r.index);
    EXPECT_EQ(blackRuns(img, 9), r.triangles) << r.index;
    EXPECT_EQ(blackRuns(img, 10), r.triangles) << r.index;
    // A triangle is shortest at its point: find the first and last inked columns.
    int first = 0, last = 19;
    while (blackInColumn(img, first) == 0) ++first;
    while (blackInColumn(img, last) == 0) --last;
    EXPECT_EQ(blackInColumn(img, first) < blackInColumn(img, last), r.left) << r.index;
  }
}

TEST(Icons, ProgramIconHasItsSizesAndThreeCurves) {
  ensureApp();
  const QList<QSize> sizes = programIcon().availableSizes();
  for (int s : {16, 32, 48}) {
    EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    const QImage img = programIconImage(s);
    ASSERT_EQ(img.size(), QSize(s, s));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << s;  // rounded card corner
    EXPECT_EQ(qAlpha(img.pixel(s / 2, s / 2)), 255) << s;
  }
  const QImage img = programIconImage(48);
  bool red = false, green = false, blue = false;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const QRgb c = img.pixel(x, y);
      red |= qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
      green |= qGreen(c) > 130 && qRed(c) < 80 && qBlue(c) < 80;
      blue |= qBlue(c) > 180 && qRed(c) < 80 && qGreen(c) < 120;
    }
  }
  EXPECT_TRUE(red && green && blue);
}

}  // namespace
