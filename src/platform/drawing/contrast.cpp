#include "platform/drawing/contrast.h"

#include "chart/ink.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {

QColor foregroundOn(Colour background) {
  const QColor back = resolveColour(background);
  return resolveColour(inkOn(rgb(back.red(), back.green(), back.blue())));
}

}  // namespace tw::platform
