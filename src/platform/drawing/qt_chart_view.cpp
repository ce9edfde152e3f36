#include "platform/drawing/qt_chart_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

#include "chart/chart_parts.h"
#include "interpret/day_values.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

namespace {
constexpr int kFrameMs = 16;
constexpr int kWheelRestMs = 300;  // a wheel still this long has ended its turn

// Screen readers hear the chart area as a chart, and read the description as it stands, even
// in the middle of a gesture that has not announced it yet.
class ChartAccessible : public QAccessibleWidget {
 public:
  explicit ChartAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::Chart) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description)
      return static_cast<const ChartView*>(widget())->description();
    return QAccessibleWidget::text(t);
  }
};

// Device pixels as the logical ones that cover them.
QRect logicalCover(const QRect& device, double ratio) {
  return QRect(QPoint(static_cast<int>(std::floor(device.left() / ratio)),
                      static_cast<int>(std::floor(device.top() / ratio))),
               QPoint(static_cast<int>(std::ceil((device.right() + 1) / ratio)) - 1,
                      static_cast<int>(std::ceil((device.bottom() + 1) / ratio)) - 1));
}

QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String(ChartView::staticMetaObject.className()) && object->isWidgetType())
    return new ChartAccessible(static_cast<ChartView*>(object));
  return nullptr;
}
}  // namespace

ChartView::ChartView(QtSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  static const bool chartRole = (QAccessible::installFactory(chartAccessible), true);
  (void)chartRole;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(qtText(C_("main window", "Chart")));
  // The days run left to right in every language, as calendars and charts do.
  setLayoutDirection(Qt::LeftToRight);
  surface_.setScreen(true);
  // The drawing is shown once it is whole: after the redraw, or from the event loop after
  // drawing that no watcher hears of.
  surface_.setChangeHandler([this] {
    pending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { showChanges(); }, Qt::QueuedConnection);
  });
  frame_.setSingleShot(true);
  frame_.setTimerType(Qt::PreciseTimer);
  connect(&frame_, &QTimer::timeout, this, [this] { passPending(); });
  wheelIdle_.setSingleShot(true);
  wheelIdle_.setInterval(kWheelRestMs);
  connect(&wheelIdle_, &QTimer::timeout, this, [this] {
    passPending();
    if (!main_ || !main_->isDraggingChart()) endGesture();
  });
}

void ChartView::attach(MainWindow& main, QMenu* menu) {
  main_ = &main;
  menu_ = menu;
}

void ChartView::chartDrawn(const ChartState& state, const Locale& locale) {
  state_ = state;
  locale_ = locale;
  cursor_.chartDrawn(state.chartDate, columns());
  showChanges();
  describeCursor();
}

// No chart, so no days to point at or move between: a screen reader hears the hint.
void ChartView::hintShown(const std::string& hint) {
  cursor_.chartHidden();
  description_ = QString::fromStdString(hint);
  setAccessibleDescription(description_);
  showChanges();
  if (hasFocus()) update();
}

QRect ChartView::coveredRect() const {
  const QSize pixels = surface_.pixelSize();
  const double r = surface_.pixelRatio();
  return QRect(0, 0, static_cast<int>(pixels.width() / r), static_cast<int>(pixels.height() / r));
}

// What changed on the surface reaches the screen: what moved is moved there by whole pixels, and
// only the rest is painted.
void ChartView::showChanges() {
  if (!std::exchange(pending_, false)) return;
  surface_.markShown();
  const ScreenUpdate u = surface_.takeScreenUpdate();
  if (u.all) return update();
  const double r = surface_.pixelRatio();
  QRegion region;
  if (u.shift != 0) {
    const double logical = u.shift / r;
    // A move that is no whole number of logical pixels, the window cannot make.
    if (std::abs(logical - std::round(logical)) > 1e-9 || r != devicePixelRatioF()) return update();
    const int dx = static_cast<int>(std::lround(logical));
    scroll(dx, 0, coveredRect());
    if (hasFocus()) {
      // The frame and the day band are painted over the chart, not moved with it.
      const QRect all = rect();
      region += QRegion(all) - all.adjusted(3, 3, -3, -3);
      region += shownBand_.translated(dx, 0);
    }
  }
  for (const QRect& d : u.dirty) region += logicalCover(d, r);
  if (hasFocus()) region += shownBand_;
  update(region);
}

chart::DayColumns ChartView::columns() const { return chart::dayColumns(state_, surface_.width()); }

void ChartView::describeCursor() {
  description_ =
      QString::fromStdString(describeDay(dayValues(state_, cursor_.day()), state_, locale_));
  if (!gesturing_) setAccessibleDescription(description_);
  if (hasFocus()) update(QRegion(shownBand_) + bandRect());
}

std::optional<Date> ChartView::dayAtPixel(int x) const {
  if (!cursor_.onChart()) return std::nullopt;
  return chart::dayAt(columns(), twipsAt(x));
}

QString ChartView::tooltipAt(int x) const {
  const auto day = dayAtPixel(x);
  if (!day) return {};
  return QString::fromStdString(dayTooltip(dayValues(state_, *day), locale_));
}

bool ChartView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = tooltipAt(help->pos().x());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  // The tip follows the pointer from one column to the next.
  const auto day = dayAtPixel(help->pos().x());
  const double left = chart::columnLeft(columns(), *day).value_or(0);
  const QRect column(static_cast<int>(surface_.screenX(left)), 0,
                     static_cast<int>(std::ceil(surface_.screenColumnWidth())), height());
  QToolTip::showText(help->globalPos(), text, this, column);
  return true;
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && main_ && main_->isDraggingChart()) {
    pendingDrag_.reset();
    main_->cancelChartDrag();
    unsetCursor();
    endGesture();
    return;
  }
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    openMenu(QPoint());
    return;
  }
  switch (cursor_.press(keyPressOf(*event), columns())) {
    case DayCursor::Answer::Moved: describeCursor(); break;
    case DayCursor::Answer::Chosen:
      if (!main_) break;
      passPending();
      main_->chooseDay(cursor_.day());
      break;
    case DayCursor::Answer::Stayed: break;
    case DayCursor::Answer::NotMine: QWidget::keyPressEvent(event); break;
  }
}

void ChartView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void ChartView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void ChartView::paintEvent(QPaintEvent* event) {
  QRegion region = event->region();
  if (std::exchange(pending_, false)) {  // drawn since last shown, and not yet shown: all of it
    surface_.markShown();
    surface_.takeScreenUpdate();
    if (region != QRegion(rect())) update();
  }
  QPainter p(this);
  // The surface is whole device pixels; any sliver it leaves keeps the window's colour. Only
  // pixels it covers entirely count as covered, or a partly covered one would show unpainted.
  const QRect covered = coveredRect();
  surface_.paint(p, region & covered);
  for (const QRect& r : region - covered) p.fillRect(r, palette().color(QPalette::Window));
  // Over the chart, never in it: printing and saving take the chart alone.
  if (hasFocus()) paintCursor(p, region);
  // TIDEWELL_TRACE_PAINTS: each paint's time (us), chart date, left edge on the screen and
  // painted pixels on stderr, for bench/drag.sh.
  static const bool trace = qEnvironmentVariableIsSet("TIDEWELL_TRACE_PAINTS");
  if (trace) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    long long painted = 0;
    for (const QRect& r : region) painted += static_cast<long long>(r.width()) * r.height();
    std::fprintf(
        stderr, "paint %lld %lld %d %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
        static_cast<long long>(state_.chartDate), mapToGlobal(QPoint(0, 0)).x(), painted);
  }
  emit painted();
}

// The focus shows as a frame round the chart and a band over the cursor's day column.
// Only what `region` needs is drawn: stroking a frame the window's size costs more than a day step.
void ChartView::paintCursor(QPainter& p, const QRegion& region) {
  const QColor highlight = palette().color(QPalette::Highlight);
  const int w = width(), h = height();
  for (const QRect& edge :
       {QRect(0, 0, w, 2), QRect(0, h - 2, w, 2), QRect(0, 0, 2, h), QRect(w - 2, 0, 2, h)})
    if (region.intersects(edge)) p.fillRect(edge, highlight);
  shownBand_ = bandRect();
  const auto left = cursor_.onChart() ? chart::columnLeft(columns(), cursor_.day()) : std::nullopt;
  if (!left || !region.intersects(shownBand_)) return;
  const QRectF band(surface_.screenX(*left), 2, surface_.screenColumnWidth(), height() - 4);
  QColor fill = highlight;
  fill.setAlpha(48);
  p.fillRect(band, fill);
  p.setPen(QPen(highlight, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(band.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The pixels the day band touches.
QRect ChartView::bandRect() const {
  const auto left = cursor_.onChart() ? chart::columnLeft(columns(), cursor_.day()) : std::nullopt;
  if (!left) return {};
  const double x = surface_.screenX(*left);
  return QRect(static_cast<int>(std::floor(x)) - 1, 0,
               static_cast<int>(std::ceil(surface_.screenColumnWidth())) + 3, height());
}

void ChartViewControl::setWidth(double twips) {
  WidgetControl::setWidth(twips);
  fitSurface();
}

void ChartViewControl::setHeight(double twips) {
  WidgetControl::setHeight(twips);
  fitSurface();
}

void ChartViewControl::fitSurface() {
  surface_.setPixelRatio(widget()->devicePixelRatioF());
  surface_.setSizeTwips(width(), height());
}

void ChartView::scheduleFrame() {
  if (frame_.isActive()) return;
  const qint64 since = sinceFrame_.isValid() ? sinceFrame_.elapsed() : kFrameMs;
  frame_.start(static_cast<int>(std::max<qint64>(0, kFrameMs - since)));
}

void ChartView::passPending() {
  frame_.stop();
  sinceFrame_.restart();
  if (!main_) return;
  if (!pendingWheel_.isNull()) main_->turnWheel(pendingWheel_.x(), pendingWheel_.y(), false);
  if (!pendingWeekWheel_.isNull())
    main_->turnWheel(pendingWeekWheel_.x(), pendingWeekWheel_.y(), true);
  pendingWheel_ = pendingWeekWheel_ = QPoint();
  if (pendingDrag_) main_->dragChart(*std::exchange(pendingDrag_, std::nullopt));
}

void ChartView::endGesture() {
  if (!std::exchange(gesturing_, false)) return;
  setAccessibleDescription(description_);
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  if (!main_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  passPending();
  main_->pressChart(twipsAt(event->position().x()));
  gesturing_ = true;
  setCursor(Qt::ClosedHandCursor);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (!main_ || !main_->isDraggingChart() || !(event->buttons() & Qt::LeftButton))
    return QWidget::mouseMoveEvent(event);
  pendingDrag_ = twipsAt(event->position().x());
  scheduleFrame();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (!main_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  passPending();
  main_->releaseChart();
  unsetCursor();
  endGesture();
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!main_ || event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  passPending();
  main_->chooseDayAt(twipsAt(event->position().x()));
}

void ChartView::wheelEvent(QWheelEvent* event) {
  if (!main_) return QWidget::wheelEvent(event);
  // A touchpad's pixels count as a wheel's units.
  const QPoint delta = event->pixelDelta().isNull() ? event->angleDelta() : event->pixelDelta();
  (event->modifiers() & Qt::ShiftModifier ? pendingWeekWheel_ : pendingWheel_) += delta;
  gesturing_ = true;
  wheelIdle_.start();
  scheduleFrame();
  event->accept();
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
  openMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : QPoint());
}

// From the keyboard the menu opens over the day cursor's column.
void ChartView::openMenu(const QPoint& globalPos) {
  if (!menu_) return;
  QPoint at = globalPos;
  if (at.isNull()) {
    const auto left =
        cursor_.onChart() ? chart::columnLeft(columns(), cursor_.day()) : std::nullopt;
    at = mapToGlobal(QPoint(
        left ? static_cast<int>(surface_.screenX(*left + chart::kColumnWidth / 2)) : width() / 2,
        height() / 2));
  }
  menu_->exec(at);
}

}  // namespace tw::platform
