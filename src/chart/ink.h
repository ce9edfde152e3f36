#pragma once
// The ink of the chart's frame, labels, headers and letters: black or white, whichever stands
// out more from the background under it. The curves keep their own colours.
#include "state/colour.h"

namespace tw {

// `background` is a direct colour (a system colour must be resolved first).
Colour inkOn(Colour background);

}  // namespace tw
