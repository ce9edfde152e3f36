#pragma once
// The chart area: the surface's image on screen, the day cursor and the values under the pointer.
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/day_cursor.h"
#include "app/main_window.h"
#include "chart/day_columns.h"
#include "platform/drawing/qt_surface.h"
#include "platform/windows/qt_controls.h"

namespace tw::platform {

// chartView: shows the surface's persistent image. Focused, it shows the day cursor (DayCursor:
// Left, Right and Home move it, Return and Space choose its day as a double-click does);
// pointing at a day shows its values. Its accessible description reads the cursor's day after
// every redraw, and is announced once a gesture ends. The wheel, a drag and a double-click go
// to MainWindow, at most once a frame.
class ChartView : public QWidget, public ChartWatcher {
  Q_OBJECT
 public:
  ChartView(QtSurface& surface, QWidget* parent);

  // Gestures go to `main`; a right click, the Menu key or Shift+F10 opens `menu`.
  void attach(MainWindow& main, QMenu* menu);
  void chartDrawn(const ChartState& state, const Locale& locale) override;
  void hintShown(const std::string& hint) override;
  QString description() const { return description_; }  // as a screen reader reads it now
  Date cursorDay() const { return cursor_.day(); }
  // The day under x pixels from the left edge, and what the pointer shows there.
  std::optional<Date> dayAtPixel(int x) const;
  QString tooltipAt(int x) const;

 signals:
  void painted();  // after each paint that showed the image

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  chart::DayColumns columns() const;
  void describeCursor();
  void paintCursor(QPainter& p, const QRegion& region);
  double twipsAt(double x) const { return surface_.twipsAtScreenX(x + 0.5); }
  QRect coveredRect() const;  // the logical pixels the surface covers whole
  QRect bandRect() const;     // the pixels the day cursor's band touches
  void showChanges();
  void scheduleFrame();
  void passPending();  // what gathered since the last frame
  void endGesture();
  void openMenu(const QPoint& globalPos);

  QtSurface& surface_;
  ChartState state_;
  Locale locale_;
  DayCursor cursor_;
  QString description_;
  MainWindow* main_ = nullptr;
  QMenu* menu_ = nullptr;
  QTimer frame_, wheelIdle_;
  QElapsedTimer sinceFrame_;
  std::optional<double> pendingDrag_;  // twips
  QPoint pendingWheel_, pendingWeekWheel_;
  bool gesturing_ = false;  // the description is announced when it ends
  bool pending_ = false;    // the surface has changed since it was last shown
  QRect shownBand_;         // where the day band was last painted
};

// The chart area's size is the drawing surface's size.
class ChartViewControl : public WidgetControl {
 public:
  ChartViewControl(ChartView* view, QtSurface& surface) : WidgetControl(view), surface_(surface) {}
  void setWidth(double twips) override;
  void setHeight(double twips) override;

 private:
  void fitSurface();
  QtSurface& surface_;
};

}  // namespace tw::platform
