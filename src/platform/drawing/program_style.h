#pragma once
// The desktop's style, with the pictures nobody may ever see made only when first shown.
#include <QIcon>
#include <QProxyStyle>

namespace tw::platform {

class ProgramStyle : public QProxyStyle {
 public:
  // The overflow arrows of the menu bar and toolbar: the desktop style loads them from image
  // files, which wakes the image plugins, and they show only when a window is too narrow.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

  // Makes this the application's style unless it already is, and the program's face the
  // application's face; call before any window exists.
  static void install();
};

}  // namespace tw::platform
