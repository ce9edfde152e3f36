#include "platform/drawing/qt_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <type_traits>
#include <utility>

#include "chart/chart_parts.h"
#include "platform/drawing/contrast.h"
#include "platform/drawing/program_font.h"
#include "platform/drawing/screen_twips.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {

namespace {

double primaryRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1.0;
}

// The rectangles in device pixels, as logical ones covering them.
QRect logicalCover(const QRect& device, double ratio) {
  return QRect(QPoint(static_cast<int>(std::floor(device.left() / ratio)),
                      static_cast<int>(std::floor(device.top() / ratio))),
               QPoint(static_cast<int>(std::ceil((device.right() + 1) / ratio)) - 1,
                      static_cast<int>(std::ceil((device.bottom() + 1) / ratio)) - 1));
}

}  // namespace

// Draws ops on one painter, keeping what it last set so that a run of like calls sets nothing.
class QtSurface::Painting {
 public:
  // `ratio` is the device pixel ratio the painter draws at; `onDevice` a page rather than pixels.
  Painting(QPainter& p, double ratio, bool onDevice) : p_(p), ratio_(ratio), onDevice_(onDevice) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    pen_ = p.pen();
    smooth_ = p.testRenderHint(QPainter::Antialiasing);
  }

  // devicePen: the pen's width on a page, unused on pixels.
  void line(const Op& op, const Geometry& g, double devicePen) {
    const int width = std::max<int>(1, op.width);
    const Qt::PenStyle style = op.style == 2 ? Qt::DotLine : Qt::SolidLine;
    // Thin frame lines stay crisp; the thick curves are smoothed.
    const bool smooth = width >= 2;
    // On pixels a smooth solid line is drawn as side-by-side one-device-pixel lines: Qt draws
    // those on its fast path, where a wide smoothed pen takes several times as long. A page
    // gets the real wide pen, as its pixels are not the image's.
    const bool strands = smooth && !onDevice_ && style == Qt::SolidLine;
    // Thin lines on pixels are whole device pixels wide, so at a ratio such as 1.5 every tick
    // is alike rather than one or two pixels by where it falls.
    const bool cosmetic = !onDevice_ && (strands || !smooth);
    const Qt::PenCapStyle cap = smooth ? Qt::SquareCap : Qt::FlatCap;
    const double penWidth = strands     ? 1.0
                            : onDevice_ ? devicePen
                            : smooth    ? width
                                        : std::max(1.0, std::round(width * ratio_));
    if (smooth != smooth_) {
      p_.setRenderHint(QPainter::Antialiasing, smooth);
      smooth_ = smooth;
    }
    const QColor colour = QColor::fromRgb(op.colour);
    auto fits = [&](const QPen& pen) {
      return pen.color() == colour && pen.widthF() == penWidth && pen.style() == style &&
             pen.capStyle() == cap && pen.isCosmetic() == cosmetic;
    };
    if (!fits(pen_)) {
      // The curves take turns column by column; their few pens are made once, not each time.
      const auto kept = std::find_if(pens_.begin(), pens_.end(), fits);
      if (kept != pens_.end()) {
        pen_ = *kept;
      } else {
        pen_ = QPen(colour, penWidth, style, cap);
        pen_.setCosmetic(cosmetic);
        pens_[nextPen_++ % pens_.size()] = pen_;
      }
      p_.setPen(pen_);
    }
    const QPointF a(op.x1 * g.across, op.y1 * g.down), b(op.x2 * g.across, op.y2 * g.down);
    if (!strands) {
      p_.drawLine(a, b);
      return;
    }
    // Stacked across the line's main direction, centred on it, as many as its device pixels.
    const int n = std::max(1, static_cast<int>(std::lround(width * ratio_)));
    const bool flat = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    std::array<QLineF, 16> lines;
    const int count = std::min<int>(n, lines.size());
    for (int i = 0; i < count; ++i) {
      const double d = (i - (n - 1) / 2.0) / ratio_;
      const QPointF off = flat ? QPointF(0, d) : QPointF(d, 0);
      lines[i] = QLineF(a + off, b + off);
    }
    p_.drawLines(lines.data(), count);
  }

  void text(const Op& op, const Shaped& shaped, const Geometry& g) {
    const QColor colour = QColor::fromRgb(op.colour);
    if (pen_.color() != colour) {  // text takes only the pen's colour
      pen_.setColor(colour);
      p_.setPen(pen_);
    }
    const QPointF topLeft(op.x1 * g.across, op.y1 * g.down);
    if (op.face->scale == 1) {
      for (const QGlyphRun& run : shaped.runs) p_.drawGlyphRun(topLeft, run);
    } else {
      const QTransform base = p_.transform();
      p_.setTransform(QTransform(op.face->scale, 0, 0, 1, topLeft.x(), topLeft.y()) * base);
      for (const QGlyphRun& run : shaped.runs) p_.drawGlyphRun(QPointF(0, 0), run);
      p_.setTransform(base);
    }
  }

 private:
  QPainter& p_;
  double ratio_;
  bool onDevice_;
  QPen pen_;
  std::array<QPen, 8> pens_;  // recently made line pens
  std::size_t nextPen_ = 0;
  bool smooth_ = false;
};

QtSurface::QtSurface() : QtSurface(screenDpi(), primaryRatio()) {}

QtSurface::QtSurface(double dpi, double pixelRatio) : dpi_(dpi), ratio_(pixelRatio) {}

QtSurface::~QtSurface() { endPainting(); }

void QtSurface::setSizeTwips(double width, double height) {
  const auto w = static_cast<float>(width), h = static_cast<float>(height);
  if (w != width_ || h != height_) imageDrawn_ = false;
  width_ = w;
  height_ = h;
}

void QtSurface::setPixelRatio(double pixelRatio) {
  if (pixelRatio == ratio_) return;
  ratio_ = pixelRatio;
  imageDrawn_ = false;
  metrics_ = QImage();
}

QSize QtSurface::pixelSize() const {
  // Whole logical pixels, as the chart view's widget has them, then every device pixel they
  // touch: at a ratio such as 1.5 an image one device pixel short would leave a stray line of
  // unpainted pixels along the view's right and bottom edges.
  auto device = [this](float twips) {
    const double logical = std::lround(toPixels(twips));
    return std::max(0, static_cast<int>(std::ceil(logical * ratio_ - 1e-6)));
  };
  return {device(width_), device(height_)};
}

QtSurface::Geometry QtSurface::exactGeometry() const {
  const double down = toPixels(1);
  return {down, down};
}

int QtSurface::screenColumnPixels() const {
  const double exact = toPixels(chart::kColumnWidth) * ratio_;
  // A whole number of logical pixels too where that is near, so the window can move what it
  // shows by whole logical pixels (at 1.5, three device pixels make two logical ones).
  for (int n = 1; n <= 4; ++n) {
    const double step = n * ratio_;
    if (std::abs(step - std::round(step)) > 1e-9) continue;
    const double near = step * std::max(1.0, std::round(exact / step));
    if (std::abs(near - exact) <= exact * 0.02) return static_cast<int>(std::lround(near));
    break;
  }
  return std::max(1, static_cast<int>(std::lround(exact)));
}

QtSurface::Geometry QtSurface::screenGeometry() const {
  if (!screen_) return exactGeometry();
  return {screenColumnPixels() / ratio_ / chart::kColumnWidth, toPixels(1)};
}

double QtSurface::screenX(double twips) const { return twips * screenGeometry().across; }

double QtSurface::twipsAtScreenX(double pixels) const { return pixels / screenGeometry().across; }

double QtSurface::screenColumnWidth() const { return screenX(chart::kColumnWidth); }

const QPaintDevice* QtSurface::metricsDevice() const {
  if (metrics_.isNull()) {
    // Text is shaped for the image's dpi and ratio, and so drawn alike on screen and in it.
    metrics_ = QImage(1, 1, QImage::Format_RGB32);
    metrics_.setDevicePixelRatio(ratio_);
    const int dpm = static_cast<int>(std::lround(dpi_ / 0.0254));
    metrics_.setDotsPerMeterX(dpm);
    metrics_.setDotsPerMeterY(dpm);
  }
  return &metrics_;
}

const QImage& QtSurface::image() const {
  endPainting();
  if (imageDrawn_) return image_;
  const QSize size = pixelSize();
  if (image_.size() != size || image_.devicePixelRatio() != ratio_) resizeImage();
  imageDrawn_ = true;
  if (image_.isNull()) return image_;
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(QRectF(0, 0, image_.width() / ratio_, image_.height() / ratio_),
             QColor::fromRgb(frame_.background ? frame_.background : resolveColour(back_).rgb()));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  drawAll(p, exactGeometry());
  return image_;
}

void QtSurface::drawAll(QPainter& p, const Geometry& g) const {
  Painting painting(p, ratio_, false);
  for (const Op& op : frame_.ops) {
    if (op.isText)
      painting.text(op, shaped(op.text, *op.face, metricsDevice()), g);
    else
      painting.line(op, g, 0);
  }
}

bool QtSurface::endPainting() const {
  painting_.reset();
  if (!painter_) return true;
  const bool ended = painter_->isActive() && painter_->end();
  painter_.reset();
  return ended;
}

bool QtSurface::drawOn(QPaintDevice* device) {
  const bool ended = endPainting();
  device_ = device;
  return ended;
}

namespace {
void releasePixels(void* info) { delete static_cast<std::shared_ptr<uchar[]>*>(info); }
}  // namespace

void QtSurface::resizeImage() const {
  image_ = QImage();  // lets go of the pixels unless a copy of the image still shows them
  const QSize size = pixelSize();
  const qsizetype bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
  const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * size.height();
  if (bytes == 0) return;
  // The pixels are kept and reused while nobody else holds them, which saves allocating and
  // zeroing megabytes each time. Left uninitialised: every pixel is painted before it is shown.
  if (!pixels_ || pixels_.use_count() > 1 || pixelBytes_ < bytes) {
    pixels_.reset();
    pixelBytes_ = bytes + bytes / 4;
    pixels_ = std::make_shared_for_overwrite<uchar[]>(pixelBytes_);
  }
  image_ = QImage(pixels_.get(), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                  releasePixels, new std::shared_ptr<uchar[]>(pixels_));
  image_.setDevicePixelRatio(ratio_);
  // Point sizes then come out at the screen's size.
  const int dpm = static_cast<int>(std::lround(dpi_ / 0.0254));
  image_.setDotsPerMeterX(dpm);
  image_.setDotsPerMeterY(dpm);
}

QPainter* QtSurface::painter() {
  if (!device_) return nullptr;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(device_);
    painting_ = std::make_unique<Painting>(*painter_, 1.0, true);
  }
  return painter_->isActive() ? painter_.get() : nullptr;
}

void QtSurface::changed() {
  if (changed_) return;
  changed_ = true;
  if (onChange_) onChange_();
}

void QtSurface::clear() {
  x_ = 0;
  y_ = 0;
  foreground_.reset();  // the desktop's colours may have changed since the last chart
  if (device_) {
    if (QPainter* p = painter()) {
      p->setCompositionMode(QPainter::CompositionMode_Source);
      p->fillRect(QRectF(0, 0, toPixels(width_), toPixels(height_)), resolveColour(back_));
      p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    return;
  }
  frame_.ops.clear();
  frame_.background = resolveColour(back_).rgb();
  imageDrawn_ = false;
  changed();
}

void QtSurface::record(Op op) {
  if (!frame_.background) frame_.background = resolveColour(back_).rgb();
  frame_.ops.push_back(std::move(op));
  imageDrawn_ = false;
  changed();
}

void QtSurface::setFontSize(float points) {
  if (points > 0) points_ = points;
}

void QtSurface::setBold(bool bold) { bold_ = bold; }

const QColor& QtSurface::foreground() {
  if (!foreground_) foreground_ = foregroundOn(back_);
  return *foreground_;
}

const QtSurface::TextStyle& QtSurface::textStyle(const QPaintDevice* target) {
  const int dpi = target ? target->logicalDpiY() : 0;
  auto [it, added] = styles_.try_emplace({points_, bold_, dpi});
  if (added) {
    QFont font = programFont(points_);
    font.setBold(bold_);
    const QFontMetricsF metrics = target ? QFontMetricsF(font, target) : QFontMetricsF(font);
    it->second = TextStyle{font, metrics.height(), chartTextScale()};
  }
  return it->second;
}

const QtSurface::Shaped& QtSurface::shaped(const std::string& text, const TextStyle& style,
                                           const QPaintDevice* target) const {
  auto key = std::make_pair(&style, text);
  if (auto it = shaped_.find(key); it != shaped_.end()) return it->second;
  if (shaped_.size() >= 1024) shaped_.clear();  // headers change with the date; stay small
  // Laid out at the origin, so each run's positions are from the text's top left.
  const QString shown = QString::fromStdString(text);
  QTextLayout layout(shown, style.font, const_cast<QPaintDevice*>(target));
  // A line in a language read right to left (a Hebrew header with a date in it) is one such
  // paragraph, its words and numbers in their order, still drawn from the given left edge.
  const bool rightToLeft = shown.isRightToLeft();
  if (rightToLeft) {
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
  }
  layout.beginLayout();
  QTextLine line = layout.createLine();
  // Wide enough for any line: the text stays one line, its left edge at the given point.
  if (rightToLeft && line.isValid()) line.setLineWidth(1e6);
  layout.endLayout();
  Shaped s;
  if (line.isValid()) s.runs = layout.glyphRuns();
  for (const QGlyphRun& run : s.runs) s.ink |= run.boundingRect();
  return shaped_.emplace(std::move(key), std::move(s)).first->second;
}

void QtSurface::line(float x1, float y1, float x2, float y2) {
  addLine(x1, y1, x2, y2, foreground());
}

void QtSurface::line(float x1, float y1, float x2, float y2, Colour c) {
  addLine(x1, y1, x2, y2, resolveColour(c));
}

void QtSurface::addLine(float x1, float y1, float x2, float y2, const QColor& colour) {
  Op op;
  op.width = drawWidth_;
  op.style = drawStyle_;
  op.colour = colour.rgb();
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  if (!device_) return record(std::move(op));
  if (painter())
    painting_->line(op, exactGeometry(), toPixels(kTwipsPerPixel * std::max<int>(1, op.width)));
}

void QtSurface::text(const std::string& text) {
  const QPaintDevice* target = device_ ? (painter() ? device_ : nullptr) : metricsDevice();
  const TextStyle& style = textStyle(target);
  Op op;
  op.isText = true;
  op.colour = foreground().rgb();
  op.face = &style;
  op.x1 = op.x2 = x_;
  op.y1 = op.y2 = y_;
  op.text = text;
  if (!device_) op.ink = shaped(op.text, style, target).ink;
  x_ = 0;
  y_ += static_cast<float>(twipsFromPixels(style.lineHeight, dpi_));
  if (!device_) return record(std::move(op));
  if (target) painting_->text(op, shaped(op.text, style, target), exactGeometry());
}

void QtSurface::paint(QPainter& p, const QRegion& region) const {
  if (region.isEmpty()) return;
  const QColor background =
      QColor::fromRgb(frame_.background ? frame_.background : resolveColour(back_).rgb());
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& r : region) p.fillRect(r.adjusted(-1, -1, 1, 1), background);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const Geometry g = screenGeometry();
  const QRect around = region.boundingRect();
  const bool single = region.rectCount() == 1;
  Painting painting(p, ratio_, false);
  for (const Op& op : frame_.ops) {
    const QRect box = logicalCover(deviceBounds(op, g), ratio_);
    if (!around.intersects(box) || (!single && !region.intersects(box))) continue;
    if (op.isText)
      painting.text(op, shaped(op.text, *op.face, metricsDevice()), g);
    else
      painting.line(op, g, 0);
  }
}

}  // namespace tw::platform
