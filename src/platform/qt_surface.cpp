#include "platform/qt_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QTextLayout>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/twips.h"

namespace tw::platform {

namespace {

// The classic system colour indices and the palette roles that play their part here.
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles = {
    QPalette::Midlight,         // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active title bar
    QPalette::Mid,              // 3 inactive title bar
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 title bar text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive title bar text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3D dark shadow
    QPalette::Midlight,         // 22 3D light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
    QPalette::Button,           // 25 (unused)
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 active title gradient
    QPalette::Mid,              // 28 inactive title gradient
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

// Contrast of two colours as WCAG measures it, from 1 (the same) to 21 (black on white).
double luminance(const QColor& c) {
  auto linear = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text and uncoloured lines take the desktop's text colour, which a dark theme makes light. On a
// background the user (or printing) chose, the classic black takes over where that colour
// would vanish, so a print on white stays readable.
QColor foregroundOn(Colour background) {
  const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
  if (isSystemColour(background)) return text;
  return contrast(text, resolveColour(background)) >= 3.0 ? text : QColor(Qt::black);
}

double primaryRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1.0;
}

}  // namespace

QFont classicFont(double points) {
  // Faces with the classic face's widths, in TrueType first: a Type 1 face (Nimbus Sans) takes
  // longer to open and hint than all the rest of start-up's text. Every family asked for before
  // the one found costs a look-up in the font configuration.
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                 QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                 QStringLiteral("Helvetica")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  return f;
}

double chartTextScale() {
  // The same at every size and dpi, worked out once for the face found here.
  static const int percent = [] {
    QFont label = classicFont(8);
    label.setBold(true);
    const QFontMetricsF metrics(label);
    double widest = 0;
    for (const char* text : {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su", " 28"})
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
    // A label starts 30 twips into its column; keep a pixel clear of the next column's tick.
    const double room = (275 - 30 - 15) * screenDpi() / 1440.0;
    if (widest <= room) return 100;
    return std::max(60, static_cast<int>(std::floor(100 * room / widest)));
  }();
  return percent / 100.0;
}

QColor resolveColour(Colour c) {
  if (isSystemColour(c)) {
    const int index = c & 0xFF;
    const auto role = index < static_cast<int>(kSystemRoles.size()) ? kSystemRoles[index]
                                                                      : QPalette::Button;
    return QGuiApplication::palette().color(QPalette::Active, role);
  }
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

QtSurface::QtSurface() : QtSurface(screenDpi(), primaryRatio()) {}

QtSurface::QtSurface(double dpi, double pixelRatio)
    : dpi_(dpi), ratio_(pixelRatio) {}

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
  auto device = [this](float twips) {
    return std::max(0, static_cast<int>(std::lround(toPixels(twips) * ratio_)));
  };
  return {device(width_), device(height_)};
}

const QImage& QtSurface::image() const {
  endPainting();
  return image_;
}

void QtSurface::endPainting() const {
  if (painter_) painter_->end();
  painter_.reset();
}

void QtSurface::drawOn(QPaintDevice* device) {
  endPainting();
  device_ = device;
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

void QtSurface::Cls() {
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

void QtSurface::FontSize(float points) {
  if (points > 0) points_ = points;
}

void QtSurface::FontBold(bool bold) { bold_ = bold; }

const QColor& QtSurface::foreground() {
  if (!foreground_) foreground_ = foregroundOn(back_);
  return *foreground_;
}

const QtSurface::TextStyle& QtSurface::textStyle(const QPaintDevice* target) {
  const int dpi = target ? target->logicalDpiY() : 0;
  auto [it, added] = styles_.try_emplace({points_, bold_, dpi});
  if (added) {
    QFont font = classicFont(points_);
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
  QTextLayout layout(QString::fromStdString(text), style.font, const_cast<QPaintDevice*>(target));
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  QList<QGlyphRun> runs = line.isValid() ? layout.glyphRuns() : QList<QGlyphRun>();
  return shaped_.emplace(std::move(key), std::move(runs)).first->second;
}

void QtSurface::Line(float x1, float y1, float x2, float y2) {
  line(x1, y1, x2, y2, foreground());
}

void QtSurface::Line(float x1, float y1, float x2, float y2, Colour c) {
  line(x1, y1, x2, y2, resolveColour(c));
}

void QtSurface::line(float x1, float y1, float x2, float y2, const QColor& colour) {
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
  const Qt::PenCapStyle cap = smooth ? Qt::SquareCap : Qt::FlatCap;
  const int penWidth = strands ? 1 : width;
  if (smooth != smooth_) {
    p->setRenderHint(QPainter::Antialiasing, smooth);
    smooth_ = smooth;
  }
  auto fits = [&](const QPen& pen) {
    return pen.color() == colour && pen.width() == penWidth && pen.style() == style &&
           pen.capStyle() == cap && pen.isCosmetic() == strands;
  };
  if (!fits(pen_)) {
    // The curves take turns column by column; their few pens are made once, not each time.
    const auto kept = std::find_if(pens_.begin(), pens_.end(), fits);
    if (kept != pens_.end()) {
      pen_ = *kept;
    } else {
      pen_ = QPen(colour, penWidth, style, cap);
      pen_.setCosmetic(strands);
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

void QtSurface::Print(const std::string& text) {
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
  y_ += static_cast<float>(style.lineHeight * 1440.0 / dpi_);
}

float QtTextMeasure::TextWidth(const std::string& text) const {
  const double pixels = QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
  return static_cast<float>(pixels * scale_ * 1440.0 / screenDpi());
}

}  // namespace tw::platform
