#pragma once
// A chart drawn into a file of the type asked for: the window's "Save as" and tidewell-chart
// write their files through this one function.
#include <QIODevice>
#include <QSizeF>
#include <functional>
#include <string>

#include "chart/drawing_surface.h"
#include "chart/twips.h"
#include "commands/print_and_save.h"

namespace tw::platform {

struct ChartFileSize {
  QSizeF twips;             // the chart area
  double dpi = kDesignDpi;  // logical pixels per inch
  double pixelRatio = 1;    // image pixels per logical pixel, for PNG and BMP
};

// Runs `draw` on a surface for `type` and writes the result to `out`: PNG and BMP as an image,
// PDF as one page of the chart's size with its lines and texts as vectors, SVG in twips.
// Returns why it failed, empty on success.
std::string drawChartFile(QIODevice& out, ChartFileType type, const ChartFileSize& size,
                          const std::function<void(DrawingSurface&)>& draw);

}  // namespace tw::platform
