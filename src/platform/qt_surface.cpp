#include "platform/qt_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>

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
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                 QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                 QStringLiteral("Helvetica")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  return f;
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
    : dpi_(dpi), ratio_(pixelRatio), font_(classicFont(8)) {}

QtSurface::~QtSurface() { endPainting(); }

void QtSurface::setSizeTwips(double width, double height) {
  width_ = static_cast<float>(width);
  height_ = static_cast<float>(height);
}

void QtSurface::setPixelRatio(double pixelRatio) { ratio_ = pixelRatio; }

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

QPainter* QtSurface::painter() {
  if (device_) {
    if (!painter_) painter_ = std::make_unique<QPainter>(device_);
    return painter_->isActive() ? painter_.get() : nullptr;
  }
  // The image follows the size lazily: a layout pass sets width and height one at a time.
  if (image_.size() != pixelSize() || image_.devicePixelRatio() != ratio_) {
    endPainting();
    image_ = QImage(pixelSize(), QImage::Format_RGB32);
    if (image_.isNull()) return nullptr;
    image_.setDevicePixelRatio(ratio_);
    // Point sizes then come out at the screen's size.
    const int dpm = static_cast<int>(std::lround(dpi_ / 0.0254));
    image_.setDotsPerMeterX(dpm);
    image_.setDotsPerMeterY(dpm);
    image_.fill(resolveColour(back_));
  }
  if (image_.isNull()) return nullptr;
  if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
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
  if (QPainter* p = painter()) {
    p->setCompositionMode(QPainter::CompositionMode_Source);
    const QRectF area = device_ ? QRectF(0, 0, toPixels(width_), toPixels(height_))
                                : QRectF(0, 0, image_.width() / ratio_, image_.height() / ratio_);
    p->fillRect(area, resolveColour(back_));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  changed();
}

void QtSurface::FontSize(float points) {
  if (points > 0) font_.setPointSizeF(points);
}

void QtSurface::FontBold(bool bold) { font_.setBold(bold); }

void QtSurface::Line(float x1, float y1, float x2, float y2) {
  line(x1, y1, x2, y2, foregroundOn(back_));
}

void QtSurface::Line(float x1, float y1, float x2, float y2, Colour c) {
  line(x1, y1, x2, y2, resolveColour(c));
}

void QtSurface::line(float x1, float y1, float x2, float y2, const QColor& colour) {
  QPainter* p = painter();
  if (!p) return;
  const int width = std::max<int>(1, drawWidth_);
  QPen pen(colour, width, drawStyle_ == 2 ? Qt::DotLine : Qt::SolidLine);
  // Thin frame lines stay crisp; the thick curves are smoothed and joined round.
  const bool smooth = width >= 2;
  pen.setCapStyle(smooth ? Qt::RoundCap : Qt::FlatCap);
  p->setRenderHint(QPainter::Antialiasing, smooth);
  p->setPen(pen);
  p->drawLine(QPointF(toPixels(x1), toPixels(y1)), QPointF(toPixels(x2), toPixels(y2)));
  changed();
}

void QtSurface::Print(const std::string& text) {
  QPainter* p = painter();
  const QPaintDevice* target = device_ ? device_ : &image_;
  const QFontMetricsF metrics = p ? QFontMetricsF(font_, target) : QFontMetricsF(font_);
  if (p) {
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->setFont(font_);
    p->setPen(foregroundOn(back_));
    p->drawText(QPointF(toPixels(x_), toPixels(y_) + metrics.ascent()),
                QString::fromStdString(text));
    changed();
  }
  x_ = 0;
  y_ += static_cast<float>(metrics.height() * 1440.0 / dpi_);
}

float QtTextMeasure::TextWidth(const std::string& text) const {
  const double pixels = QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
  return static_cast<float>(pixels * 1440.0 / screenDpi());
}

}  // namespace tw::platform
