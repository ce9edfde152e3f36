#pragma once
// The chart's colours on this desktop: a direct colour as it stands, a system colour as the
// application palette shows it.
#include <QColor>

#include "state/colour.h"

namespace tw::platform {

QColor resolveColour(Colour c);

}  // namespace tw::platform
