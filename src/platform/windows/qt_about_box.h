#pragma once
// The About box on Qt: its dialog, widgets and their adapters, and the maker the Help menu
// makes a fresh box with each time.
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

#include "commands/help_commands.h"
#include "platform/system/qt_services.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

// The icon box: shows its picture and inverts what it shows when asked.
class IconBox : public QWidget, public InvertibleIcon {
 public:
  IconBox(const QImage& picture, QWidget* parent);
  const QImage& picture() const { return picture_; }  // its own picture, as loaded
  const QImage& shown() const { return shown_; }      // what the box shows now
  void invert() override;
  std::function<void()> onDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_, shown_;
};

class QtLabel : public ui::Label {
 public:
  explicit QtLabel(QLabel* label) : label_(label) {}
  std::string text() const override { return text_; }
  void setText(const std::string& text) override;

 private:
  QLabel* label_;
  std::string text_;
};

// The widgets exist before the handlers that are given them.
struct AboutWidgets {
  explicit AboutWidgets(QWidget* parent);

  std::unique_ptr<QDialog> dialog;
  IconBox* icon;
  QLabel* title;
  QLabel* notice;
  QLabel* contact;
  QFrame* separator;
  QPushButton* okButton;
  QPushButton* systemInfoButton;

  QtWindow window;
  QtLabel titleLabel, noticeLabel, contactLabel;
  QtMessages messages;
};

class QtAboutBox : public AboutWidgets, public AboutBox {
 public:
  QtAboutBox(QWidget* parent, SystemInfoTool& systemInfo);
};

class QtAboutBoxMaker : public AboutBoxMaker {
 public:
  QtAboutBoxMaker(QWidget* parent, SystemInfoTool& systemInfo)
      : parent_(parent), systemInfo_(systemInfo) {}
  std::unique_ptr<AboutBox> make() override;

 private:
  QWidget* parent_;
  SystemInfoTool& systemInfo_;
};

}  // namespace tw::platform
