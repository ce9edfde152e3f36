#pragma once
// The main window's widgets at their designed places, and their signals wired to Form1.
#include <QDateEdit>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QToolBar>
#include <map>
#include <memory>

#include "app/form1.h"
#include "platform/qt_controls.h"
#include "platform/qt_services.h"
#include "platform/qt_surface.h"
#include "platform/qt_window.h"

namespace tw::platform {

// Picture1: shows the surface's persistent image.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  ChartView(QtSurface& surface, QWidget* parent);

 signals:
  void painted();  // after each paint that showed the image

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QtSurface& surface_;
};

// The chart area's size is the drawing surface's size.
class PictureControl : public WidgetControl {
 public:
  PictureControl(ChartView* view, QtSurface& surface) : WidgetControl(view), surface_(surface) {}
  void setWidth(double twips) override;
  void setHeight(double twips) override;

 private:
  void fitSurface();
  QtSurface& surface_;
};

class MainWindow : public QMainWindow {
 public:
  MainWindow();

  // The widgets Form1 is built on; the window's own adapter is window().
  Form1Controls controls();
  QtWindow& windowAdapter() { return window_; }
  QtSurface& surface() { return surface_; }
  const QtTextMeasure& measure() const { return measure_; }
  ChartView* chartView() const { return picture_; }
  QToolBar* toolbar() const { return toolbar_; }

  // Every menu item by its name ("FilePrint", "HelpAbout"...), so commands can be connected.
  QAction* action(const QString& name) const { return actions_.value(name); }

  // Connects each signal to its Form1 handler; `program` tells when shut-down already ran.
  void attach(Form1& form, const QtProgram& program);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void connectMenu(const char* name, void (Form1::*handler)());
  void layoutPass();
  QtMenuItem& menuItem(const char* name);

  QtSurface surface_;
  QtTextMeasure measure_;
  QWidget* client_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  ChartView* picture_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QDateEdit* date1_ = nullptr;
  QDateEdit* date2_ = nullptr;
  QDateEdit* date3_ = nullptr;
  QLabel* label3_ = nullptr;
  QHash<QString, QAction*> actions_;

  QtWindow window_;
  std::unique_ptr<WidgetControl> toolbarControl_, command1Control_, command2Control_, label3Control_;
  std::unique_ptr<PictureControl> pictureControl_;
  std::unique_ptr<QtDatePicker> picker1_, picker2_, picker3_;
  std::map<QString, std::unique_ptr<QtMenuItem>> menuItems_;

  Form1* form_ = nullptr;
  const QtProgram* program_ = nullptr;
};

}  // namespace tw::platform
