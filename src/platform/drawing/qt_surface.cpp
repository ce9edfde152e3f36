#include "platform/drawing/qt_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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

}  // namespace

QtSurface::QtSurface() : QtSurface(screenDpi(), primaryRatio()) {}

QtSurface::QtSurface(double dpi, double pixelRatio) : dpi_(dpi), ratio_(pixelRatio) {}

QtSurface::~QtSurface() { endPainting(); }

void QtSurface::setSizeTwips(double width, double height) {
  resized_ |= static_cast<float>(width) != width_ || static_cast<float>(height) != height_;
  width_ = static_cast<float>(width);
  height_ = static_cast<float>(height);
}

void QtSurface::setPixelRatio(double pixelRatio) {
  resized_ |= pixelRatio != ratio_;
  ratio_ = pixelRatio;
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

const QImage& QtSurface::image() const {
  endPainting();
  return image_;
}

bool QtSurface::endPainting() const {
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

void QtSurface::resizeImage() {
  image_ = QImage();  // lets go of the pixels unless a copy of the image still shows them
  const QSize size = pixelSize();
  const qsizetype bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
  const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * size.height();
  if (bytes == 0) return;
  // A window being dragged changes size many times a second; the pixels are kept and reused
  // while nobody else holds them, which saves allocating and zeroing megabytes each time.
  // Left uninitialised: every pixel is painted before it is shown, and the spare room is not
  // touched (so takes no memory) until a larger size needs it.
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

QPainter* QtSurface::painter(bool clearing) {
  if (device_) {
    if (!painter_) {
      painter_ = std::make_unique<QPainter>(device_);
      painter_->setRenderHint(QPainter::TextAntialiasing, true);
      pen_ = painter_->pen();
      smooth_ = false;
    }
    return painter_->isActive() ? painter_.get() : nullptr;
  }
  if (painter_ && !resized_) return painter_.get();  // drawing on: the usual case
  // The image follows the size lazily: a layout pass sets width and height one at a time.
  if (std::exchange(resized_, false) &&
      (image_.size() != pixelSize() || image_.devicePixelRatio() != ratio_)) {
    endPainting();
    resizeImage();
    if (image_.isNull()) return nullptr;
    if (!clearing) image_.fill(resolveColour(back_));  // clearing fills it anyway
  }
  if (image_.isNull()) return nullptr;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    pen_ = painter_->pen();
    smooth_ = false;
  }
  return painter_.get();
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
  if (QPainter* p = painter(true)) {
    p->setCompositionMode(QPainter::CompositionMode_Source);
    const QRectF area = device_ ? QRectF(0, 0, toPixels(width_), toPixels(height_))
                                : QRectF(0, 0, image_.width() / ratio_, image_.height() / ratio_);
    p->fillRect(area, resolveColour(back_));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
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

const QList<QGlyphRun>& QtSurface::glyphs(const std::string& text, const TextStyle& style,
                                          const QPaintDevice* target) {
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
  QList<QGlyphRun> runs = line.isValid() ? layout.glyphRuns() : QList<QGlyphRun>();
  return shaped_.emplace(std::move(key), std::move(runs)).first->second;
}

void QtSurface::line(float x1, float y1, float x2, float y2) {
  strokeLine(x1, y1, x2, y2, foreground());
}

void QtSurface::line(float x1, float y1, float x2, float y2, Colour c) {
  strokeLine(x1, y1, x2, y2, resolveColour(c));
}

void QtSurface::strokeLine(float x1, float y1, float x2, float y2, const QColor& colour) {
  QPainter* p = painter();
  if (!p) return;
  const int width = std::max<int>(1, drawWidth_);
  const Qt::PenStyle style = drawStyle_ == 2 ? Qt::DotLine : Qt::SolidLine;
  // Thin frame lines stay crisp; the thick curves are smoothed.
  const bool smooth = width >= 2;
  // On the own image a smooth solid line is drawn as side-by-side one-device-pixel lines: Qt
  // draws those on its fast path, where a wide smoothed pen takes several times as long.
  // Other devices (a PDF page) get the real wide pen, as their pixels are not the image's.
  const bool strands = smooth && !device_ && style == Qt::SolidLine;
  // Thin lines on the own image are whole device pixels wide, so at a ratio such as 1.5 every
  // tick is alike rather than one or two pixels by where it falls.
  const bool cosmetic = !device_ && (strands || !smooth);
  const Qt::PenCapStyle cap = smooth ? Qt::SquareCap : Qt::FlatCap;
  // Elsewhere a pixel of width is kTwipsPerPixel, so a printed line is as thick on paper as on
  // screen.
  const double penWidth = strands   ? 1.0
                          : device_ ? toPixels(kTwipsPerPixel * width)
                          : smooth  ? width
                                    : std::max(1.0, std::round(width * ratio_));
  if (smooth != smooth_) {
    p->setRenderHint(QPainter::Antialiasing, smooth);
    smooth_ = smooth;
  }
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
    p->setPen(pen_);
  }
  const QPointF a(toPixels(x1), toPixels(y1)), b(toPixels(x2), toPixels(y2));
  if (!strands) {
    p->drawLine(a, b);
  } else {
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
    p->drawLines(lines.data(), count);
  }
  changed();
}

void QtSurface::text(const std::string& text) {
  QPainter* p = painter();
  const TextStyle& style = textStyle(p ? (device_ ? device_ : &image_) : nullptr);
  if (p) {
    const QColor& colour = foreground();
    if (pen_.color() != colour) {  // text takes only the pen's colour
      pen_.setColor(colour);
      p->setPen(pen_);
    }
    const QPointF topLeft(toPixels(x_), toPixels(y_));
    const QList<QGlyphRun>& runs = glyphs(text, style, device_ ? device_ : &image_);
    if (style.scale == 1) {
      for (const QGlyphRun& run : runs) p->drawGlyphRun(topLeft, run);
    } else {
      const QTransform base = p->transform();
      p->setTransform(QTransform(style.scale, 0, 0, 1, topLeft.x(), topLeft.y()) * base);
      for (const QGlyphRun& run : runs) p->drawGlyphRun(QPointF(0, 0), run);
      p->setTransform(base);
    }
    changed();
  }
  x_ = 0;
  y_ += static_cast<float>(twipsFromPixels(style.lineHeight, dpi_));
}

}  // namespace tw::platform
