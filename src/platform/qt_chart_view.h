#pragma once
// The chart area: the surface's image on screen, the day cursor and the values under the pointer.
#include <QWidget>
#include <optional>

#include "app/main_window.h"
#include "chart/day_columns.h"
#include "platform/qt_controls.h"
#include "platform/qt_surface.h"

namespace tw::platform {

// chartView: shows the surface's persistent image. Focused, it shows a day cursor that Left,
// Right and Home move; pointing at a day shows its values. Its accessible description reads
// the cursor's day after every redraw.
class ChartView : public QWidget, public ChartWatcher {
  Q_OBJECT
 public:
  ChartView(QtSurface& surface, QWidget* parent);

  void chartDrawn(const ChartState& state, const Locale& locale) override;
  Date cursorDay() const { return cursor_; }
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

 private:
  chart::DayColumns columns() const;
  void moveCursor(Date day);
  void paintCursor(QPainter& p);

  QtSurface& surface_;
  ChartState state_;
  Locale locale_;
  bool drawn_ = false;
  Date cursor_ = 0;
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
