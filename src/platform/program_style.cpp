#include "platform/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <memory>

#include "platform/qt_surface.h"

namespace tw::platform {
namespace {

class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make)
      : shared_(std::make_shared<Shared>(Shared{std::move(make), {}, false})) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, 1.0, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
  QString key() const override { return QStringLiteral("TidewellDeferredIcon"); }

 private:
  struct Shared {
    std::function<QIcon()> make;
    QIcon icon;
    bool made;
  };
  QIcon& icon() {
    if (!shared_->made) {
      shared_->made = true;
      shared_->icon = shared_->make();
      shared_->make = nullptr;
    }
    return shared_->icon;
  }
  std::shared_ptr<Shared> shared_;
};

}  // namespace

QIcon deferredIcon(std::function<QIcon()> make) {
  return QIcon(new DeferredIconEngine(std::move(make)));
}

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
  // The classic dialog face throughout, as the windows are laid out for it. Every text field
  // lays itself out once in the application's face before taking its own, so another face
  // here would be loaded at start-up for nothing.
  QApplication::setFont(classicFont(8));
}

}  // namespace tw::platform
