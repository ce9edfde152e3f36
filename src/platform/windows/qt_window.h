#pragma once
// A top-level window as its handlers see it: outer position and size in twips, state, showing.
#include <QDialog>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

#include "app/ui.h"
#include "platform/drawing/screen_twips.h"

namespace tw::platform {

// The outer size is the client area plus fixed twips standing for a fixed frame (borders,
// title bar and, on the main window, the menu bar), so layout comes out the same under every
// window manager and offscreen. The client area is the Qt window less its menu bar.
struct FrameTwips {
  double width;
  double height;
};
inline constexpr FrameTwips kMainWindowFrame{120, 675};
inline constexpr FrameTwips kDialogFrame{120, 405};

// A dialog window (so screen readers announce it as one) whose Escape and close box run
// `onReject`, the window's own way of being left, instead of only hiding it.
class QtDialogWindow : public QDialog {
 public:
  using QDialog::QDialog;
  std::function<void()> onReject;

 protected:
  void reject() override {
    if (onReject)
      onReject();
    else
      QDialog::reject();
  }
};

class QtWindow : public ui::Window {
 public:
  QtWindow(QWidget* window, FrameTwips frame) : w_(window), frame_(frame) {}
  QWidget* widget() const { return w_; }

  ui::WindowState windowState() const override;
  void setWindowState(ui::WindowState state) override;
  double left() const override { return left_.read(w_->x()); }
  double top() const override { return top_.read(w_->y()); }
  double width() const override { return width_.read(w_->width()) + frame_.width; }
  double height() const override { return height_.read(clientHeight()) + frame_.height; }
  void setLeft(double twips) override { w_->move(left_.set(twips), w_->y()); }
  void setTop(double twips) override { w_->move(w_->x(), top_.set(twips)); }
  // On a showing window the resize event, and so the layout pass, runs before these return.
  void setWidth(double twips) override;
  void setHeight(double twips) override;
  bool isVisible() const override { return w_->isVisible(); }
  void showModal() override;
  void hide() override { w_->hide(); }
  void close() override { w_->close(); }

  int menuBarHeight(int windowWidth) const;  // pixels above the client area

  // Fills the window just before it is first shown, so a window that may never be opened costs
  // nothing at start-up.
  void beforeFirstShow(std::function<void()> build) { build_ = std::move(build); }
  void buildNow() {
    if (build_) std::exchange(build_, nullptr)();
  }

 private:
  int clientHeight() const { return w_->height() - menuBarHeight(w_->width()); }

  QWidget* w_;
  FrameTwips frame_;
  std::function<void()> build_;
  TwipsValue left_, top_, width_, height_;
};

}  // namespace tw::platform
