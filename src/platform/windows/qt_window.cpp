#include "platform/windows/qt_window.h"

#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace tw::platform {

namespace {
// Ends a local event loop when the watched window is hidden or closed.
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget* w, QEventLoop& loop) : w_(w), loop_(loop) { w_->installEventFilter(this); }
  ~HideWatcher() override { w_->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == w_ && e->type() == QEvent::Hide) loop_.quit();
    return false;
  }

 private:
  QWidget* w_;
  QEventLoop& loop_;
};
}  // namespace

int QtWindow::menuBarHeight(int windowWidth) const {
  const auto* main = qobject_cast<const QMainWindow*>(w_);
  const auto* bar = main ? qobject_cast<const QMenuBar*>(main->menuWidget()) : nullptr;
  if (!bar) return 0;
  // As the main window's layout works it out, also before the window is first shown.
  int h = bar->heightForWidth(std::max(windowWidth, bar->minimumWidth()));
  if (h < 0) h = bar->sizeHint().height();
  return std::max(h, 0);
}

ui::WindowState QtWindow::windowState() const {
  const Qt::WindowStates s = w_->windowState();
  if (s & Qt::WindowMinimized) return ui::WindowState::Minimized;
  if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return ui::WindowState::Maximized;
  return ui::WindowState::Normal;
}

void QtWindow::setWindowState(ui::WindowState state) {
  const Qt::WindowStates now = w_->windowState();
  if (state == ui::WindowState::Minimized) {
    w_->setWindowState(now | Qt::WindowMinimized);
  } else if (state == ui::WindowState::Maximized) {
    w_->setWindowState((now & ~Qt::WindowMinimized) | Qt::WindowMaximized);
  } else {
    // The window manager restores the size later; take the normal geometry at once so that
    // whoever reads the size next (the shut-down writing it) sees the restored one.
    const QRect normal = w_->normalGeometry();
    const bool wasChanged =
        now & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    w_->setWindowState(now & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (wasChanged && normal.isValid()) w_->setGeometry(normal);
  }
}

void QtWindow::setWidth(double twips) {
  w_->resize(width_.set(twips - frame_.width), w_->height());
}

void QtWindow::setHeight(double twips) {
  const int client = height_.set(twips - frame_.height);
  w_->resize(w_->width(), client + menuBarHeight(w_->width()));
}

void QtWindow::showModal() {
  if (build_) std::exchange(build_, nullptr)();
  w_->setWindowModality(Qt::ApplicationModal);
  w_->show();
  if (!w_->isVisible()) return;
  QEventLoop loop;
  HideWatcher watcher(w_, loop);
  loop.exec(QEventLoop::DialogExec);
}

}  // namespace tw::platform
