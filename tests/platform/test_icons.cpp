#include "platform/icons.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include "qt_app.h"

namespace tw::platform {
namespace {

const QRgb kSilver = qRgb(192, 192, 192);

int darkCount(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += qAlpha(img.pixel(x, y)) == 255 && qGray(img.pixel(x, y)) < 64;
  return n;
}

TEST(Icons, KeysTagsAndPicturesInImageListOrder) {
  test::qtApp();
  const char* names[] = {"Disk", "Print", "Back3", "Back2", "Back1",
                         "Forward1", "Forward2", "Forward3", "Calendar", "Speech"};
  for (int i = 1; i <= kImageCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(imageKey(i), QString(names[i - 1]) + "IconKey");
    EXPECT_EQ(imageTag(i), QString(names[i - 1]) + "IconTag");
    const QImage picture = imageListPicture(i);
    ASSERT_EQ(picture.size(), QSize(20, 20));
    EXPECT_EQ(picture.pixel(0, 0), kSilver);
    EXPECT_EQ(picture.pixel(19, 19), kSilver);
    EXPECT_GE(darkCount(picture), 20);
    // On the toolbar the silver is see-through; the double-density picture is the same drawing.
    const QImage small = toolbarImage(i).pixmap(QSize(20, 20), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(20, 20));
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        ASSERT_EQ(small.pixel(x, y), picture.pixel(x, y) == kSilver ? qRgba(0, 0, 0, 0) : picture.pixel(x, y));
    const QImage large = toolbarImage(i).pixmap(QSize(20, 20), 2.0).toImage();
    ASSERT_EQ(large.size(), QSize(40, 40));
    EXPECT_GT(100 * darkCount(large) / darkCount(small), 250);  // about four times the ink
    EXPECT_LT(100 * darkCount(large) / darkCount(small), 500);
  }
  for (int bad : {0, 11, -1})
    EXPECT_TRUE(imageKey(bad).isEmpty() && imageTag(bad).isEmpty() && imageListPicture(bad).isNull() &&
                toolbarImage(bad).isNull());
  for (auto [back, forward] : {std::pair{3, 8}, {4, 7}, {5, 6}})
    EXPECT_EQ(imageListPicture(back).mirrored(true, false), imageListPicture(forward)) << back;
}

TEST(Icons, StepPicturesShowTheirTriangleCountPointingTheirWay) {
  const auto black = [](const QImage& img, int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 0); };
  for (auto [index, triangles] : {std::pair{3, 3}, {4, 2}, {5, 1}, {6, 1}, {7, 2}, {8, 3}}) {
    const QImage img = imageListPicture(index);
    int runs = 0;
    for (int x = 0; x < 20; ++x) runs += black(img, x, 10) && (x == 0 || !black(img, x - 1, 10));
    EXPECT_EQ(runs, triangles) << index;
    // A triangle is shortest at its point: compare the first and last inked columns.
    std::vector<int> ink;
    for (int x = 0; x < 20; ++x) {
      int n = 0;
      for (int y = 0; y < 20; ++y) n += black(img, x, y);
      if (n) ink.push_back(n);
    }
    EXPECT_EQ(ink.front() < ink.back(), index <= 5) << index;  // the back pictures point left
  }
}

TEST(Icons, ProgramIconHasItsSizes) {
  test::qtApp();
  const QList<QSize> sizes = programIcon().availableSizes();
  for (int s : {16, 32, 48}) {
    EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    const QImage img = programIconImage(s);
    ASSERT_EQ(img.size(), QSize(s, s));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << s;  // rounded card corner
    EXPECT_EQ(qAlpha(img.pixel(s / 2, s / 2)), 255) << s;
  }
}

}  // namespace
}  // namespace tw::platform
