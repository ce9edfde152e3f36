#pragma once
// The colour of the chart's text and uncoloured lines on the background under it.
#include <QColor>

#include "state/colour.h"

namespace tw::platform {

// Black or white by contrast with the background as it shows here: a system colour (the button
// face) as the palette paints it, any other as it stands.
QColor foregroundOn(Colour background);

}  // namespace tw::platform
