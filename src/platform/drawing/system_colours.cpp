#include "platform/drawing/system_colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace tw::platform {

namespace {

// The system colour indices a stored colour may name, and the palette roles that play their
// part here.
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles = {
    QPalette::Midlight,         // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active title bar
    QPalette::Mid,              // 3 inactive title bar
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 title bar text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive title bar text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3D dark shadow
    QPalette::Midlight,         // 22 3D light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
    QPalette::Button,           // 25 (unused)
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 active title gradient
    QPalette::Mid,              // 28 inactive title gradient
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

}  // namespace

QColor resolveColour(Colour c) {
  if (isSystemColour(c)) {
    const int index = c & 0xFF;
    const auto role =
        index < static_cast<int>(kSystemRoles.size()) ? kSystemRoles[index] : QPalette::Button;
    return QGuiApplication::palette().color(QPalette::Active, role);
  }
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace tw::platform
