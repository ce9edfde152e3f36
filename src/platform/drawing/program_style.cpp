#include "platform/drawing/program_style.h"

#include <QApplication>
#include <QPointer>

#include "platform/drawing/icons.h"
#include "platform/drawing/qt_surface.h"

namespace tw::platform {
QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    // The base style may be replaced before the arrow is shown; then there is no arrow.
    return deferredIcon([base = QPointer<QStyle>(baseStyle()), icon] {
      return base ? base->standardIcon(icon) : QIcon();
    });
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

void ProgramStyle::install() {
  if (!dynamic_cast<ProgramStyle*>(QApplication::style())) QApplication::setStyle(new ProgramStyle);
  // The program's face throughout, as the windows are laid out for it. Every text field
  // lays itself out once in the application's face before taking its own, so another face
  // here would be loaded at start-up for nothing.
  QApplication::setFont(programFont(8));
}

}  // namespace tw::platform
