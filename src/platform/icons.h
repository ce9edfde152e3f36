#pragma once
// The toolbar's pictures and the program's icon, drawn in code so they stay sharp
// on high-density screens and need no image files at run time.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>
#include <functional>

namespace tw::platform {

inline constexpr int kImageCount = 10;     // pictures in the image list, numbered 1 ... 10
inline constexpr int kImageSize = 20;      // each picture is this many pixels square
inline const QColor kImageGround{192, 192, 192};  // silver: the see-through colour

// ChartImage `index` (1 ... 10) on the silver ground, as the image list holds it (RGB32).
// A null image for any other index.
QImage imageListPicture(int index);

// The same picture with the silver ground see-through, at 20 and 40 pixels.
QIcon toolbarImage(int index);

// "DiskIconKey" ... "SpeechIconKey" and "DiskIconTag" ...; empty for any other index.
QString imageKey(int index);
QString imageTag(int index);

// The program's icon: a chart card with three coloured cycle curves.
QImage programIconImage(int size);  // ARGB32, size x size
QIcon programIcon();

// An icon whose pictures come from `make`, called once, when the icon is first drawn or
// measured; copies share the result.
QIcon deferredIcon(std::function<QIcon()> make);  // 16, 24, 32, 48, 64, 128 and 256 pixels, each drawn when first asked for

}  // namespace tw::platform
