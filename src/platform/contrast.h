#pragma once
// The colour of the chart's text and uncoloured lines, readable on the background under them.
#include <QColor>

#include "chart/colour.h"

namespace tw::platform {

QColor foregroundOn(Colour background);

}  // namespace tw::platform
