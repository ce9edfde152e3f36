#pragma once
// The main window's widgets at their designed places, and their signals wired to MainWindow.
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QToolBar>
#include <map>
#include <memory>

#include "app/main_window.h"
#include "platform/drawing/qt_chart_view.h"
#include "platform/drawing/qt_surface.h"
#include "platform/system/qt_services.h"
#include "platform/windows/main_bars.h"
#include "platform/windows/qt_controls.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

class QtMainWindow : public QMainWindow {
 public:
  QtMainWindow();

  // The widgets MainWindow is built on; the window's own adapter is window().
  MainWindowControls controls();
  QtWindow& windowAdapter() { return window_; }
  QtSurface& surface() { return surface_; }
  const QtTextMeasure& measure() const { return measure_; }
  ChartView* chartView() const { return chartView_; }
  QToolBar* toolbar() const { return toolbar_; }

  // The menu item of that name ("print", "about"...); a name the menus do not have throws.
  QAction* action(const QString& name) const;

  // Gives the menus and toolbar what their commands run on, and connects the other widgets to
  // their MainWindow handlers; `program` tells when shut-down already ran.
  void attach(const MenuTargets& targets, const QtProgram& program);
  // Laid out and drawn for the present size, not yet shown: the resize that comes as the window
  // shows at that same size draws nothing again.
  void laidOutBeforeShowing() { laidOutBeforeShowing_ = size(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void layoutPass();
  QtMenuItem& menuItem(const char* name);

  QtSurface surface_;
  QtTextMeasure measure_;
  MenuTargets targets_;  // filled by attach, before the first click
  QWidget* client_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  ChartView* chartView_ = nullptr;
  QPushButton* birthdayButton_ = nullptr;
  QPushButton* birthday2Button_ = nullptr;
  QtDateField* birthdayEdit_ = nullptr;
  QtDateField* birthday2Edit_ = nullptr;
  QtDateField* chartDateEdit_ = nullptr;
  QLabel* chartDateLabel_ = nullptr;
  QHash<QString, QAction*> actions_;
  QMenu* chartMenu_ = nullptr;

  QtWindow window_;
  std::unique_ptr<WidgetControl> toolbarControl_, birthdayButtonControl_, birthday2ButtonControl_,
      chartDateLabelControl_;
  std::unique_ptr<ChartViewControl> chartViewControl_;
  std::unique_ptr<QtDatePicker> birthdayPicker_, birthday2Picker_, chartDatePicker_;
  std::map<QString, std::unique_ptr<QtMenuItem>> menuItems_;

  MainWindow* main_ = nullptr;
  const QtProgram* program_ = nullptr;
  QSize laidOutBeforeShowing_;
};

}  // namespace tw::platform
