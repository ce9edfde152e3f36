#pragma once
// The toolbar's pictures and the program's icon, drawn in code so they stay sharp
// on high-density screens and need no image files at run time.
#include <QIcon>
#include <QImage>
#include <functional>

namespace tw::platform {

inline constexpr int kImageSize = 20;  // each toolbar picture is this many pixels square

// Picture `index` (1 ... 10: disk, printer, three back and three forward arrows, calendar,
// speech balloon) at 20 and 40 pixels on a see-through ground; a null icon for any other index.
QIcon toolbarImage(int index);

// The program's icon: a chart card with three coloured cycle curves.
QImage programIconImage(int size);  // ARGB32, size x size
QIcon programIcon();

// An icon whose pictures come from `make`, called once, when the icon is first drawn or
// measured; copies share the result.
QIcon deferredIcon(std::function<QIcon()> make);  // 16, 24, 32, 48, 64, 128 and 256 pixels, each
                                                  // drawn when first asked for

}  // namespace tw::platform
