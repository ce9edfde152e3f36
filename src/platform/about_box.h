#pragma once
// The About box on Qt: its dialog, widgets and their adapters, and the loader the Help menu
// makes a fresh box with each time.
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

#include "commands/help_commands.h"
#include "platform/qt_services.h"
#include "platform/qt_window.h"

namespace tw::platform {

// picIcon: shows its picture, keeps what was painted on it, tells of double-clicks.
class IconBox : public QWidget {
 public:
  IconBox(const QImage& picture, QWidget* parent);
  const QImage& picture() const { return picture_; }  // its own picture, as loaded
  const QImage& shown() const { return shown_; }      // what the box shows now
  // Paints the own picture's source rectangle onto the target with a raster operation;
  // DSTINVERT and SRCCOPY are the ones the box knows.
  void paintPicture(const QRect& target, const QRect& source, std::uint32_t rop);
  std::function<void()> onDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_, shown_;
};

class QtPictureBox : public PictureBox {
 public:
  explicit QtPictureBox(IconBox* box) : box_(box) {}
  double ScaleWidth() const override { return box_->width(); }  // pixels
  double ScaleHeight() const override { return box_->height(); }
  void PaintPicture(double x1, double y1, double width1, double height1, double x2, double y2,
                    double width2, double height2, std::uint32_t rop) override;

 private:
  IconBox* box_;
};

class QtCaption : public Caption {
 public:
  explicit QtCaption(QLabel* label) : label_(label) {}
  std::string caption() const override { return text_; }
  void setCaption(const std::string& text) override;

 private:
  QLabel* label_;
  std::string text_;
};

// The widgets exist before the handlers that are given them.
struct AboutWidgets {
  explicit AboutWidgets(QWidget* parent);

  std::unique_ptr<QDialog> dialog;
  IconBox* picIcon;
  QLabel* lblTitle;
  QLabel* lblNotice;
  QLabel* lblContact;
  QFrame* Line1;
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;

  QtWindow window;
  QtPictureBox icon;
  QtCaption title, notice, contact;
  QtMessageBoxes messages;
};

class QtAboutBox : public AboutWidgets, public frmAbout {
 public:
  QtAboutBox(QWidget* parent, Registry& registry, const FileLookup& files,
             ProgramStarter& programs);
};

class QtAboutBoxLoader : public AboutBoxLoader {
 public:
  QtAboutBoxLoader(QWidget* parent, Registry& registry, const FileLookup& files,
                   ProgramStarter& programs)
      : parent_(parent), registry_(registry), files_(files), programs_(programs) {}
  std::unique_ptr<frmAbout> Load() override;

 private:
  QWidget* parent_;
  Registry& registry_;
  const FileLookup& files_;
  ProgramStarter& programs_;
};

}  // namespace tw::platform
