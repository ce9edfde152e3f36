#include "platform/drawing/icons.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "chart/ink.h"
#include "platform/drawing/icon_shape.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {
namespace {

constexpr int kImageCount = 10;            // toolbar pictures, numbered 1 ... 10
const QColor kImageGround{192, 192, 192};  // silver: the see-through colour

// Every picture is drawn in a 20-unit square. At 20 pixels it is drawn aliased on whole
// pixels so it stays crisp; at 40 pixels the same shapes are drawn antialiased.
const QColor kInk{0, 0, 0};
const QColor kWhite{255, 255, 255};
const QColor kPale{236, 236, 236};
const QColor kGrey{128, 128, 128};
const QColor kDarkGrey{72, 72, 72};
const QColor kNavy{24, 44, 128};
const QColor kRed{208, 24, 24};
const QColor kGreen{0, 176, 0};

void fill(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& c) {
  p.fillRect(QRectF(x, y, w, h), c);
}

// A one-unit black frame around a filled inside.
void box(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& inside) {
  fill(p, x, y, w, h, kInk);
  fill(p, x + 1, y + 1, w - 2, h - 2, inside);
}

// Puts the ground back, for cut corners.
void clear(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& ground) {
  const auto mode = p.compositionMode();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  fill(p, x, y, w, h, ground);
  p.setCompositionMode(mode);
}

void drawDisk(QPainter& p, const QColor& ground) {
  box(p, 2, 2, 16, 16, kNavy);
  // Clipped corner at the top right, as on a real disk.
  clear(p, 17, 2, 1, 1, ground);
  fill(p, 16, 2, 1, 1, kInk);
  fill(p, 17, 3, 1, 1, kInk);
  // Metal shutter with its window.
  box(p, 5, 2, 10, 6, kPale);
  fill(p, 11, 3, 2, 4, kDarkGrey);
  // Paper label with two written lines.
  box(p, 4, 10, 12, 8, kWhite);
  fill(p, 6, 12, 8, 1, kGrey);
  fill(p, 6, 14, 8, 1, kGrey);
}

void drawPrinter(QPainter& p) {
  // Sheet waiting in the feeder.
  box(p, 5, 1, 10, 8, kWhite);
  fill(p, 7, 3, 6, 1, kGrey);
  fill(p, 7, 5, 6, 1, kGrey);
  // Body: pale top, darker front.
  box(p, 1, 7, 18, 9, kPale);
  fill(p, 2, 11, 16, 4, kGrey);
  fill(p, 14, 9, 2, 1, kGreen);
  // Printed sheet coming out of the front slot.
  box(p, 4, 12, 12, 7, kWhite);
  fill(p, 6, 14, 8, 1, kDarkGrey);
  fill(p, 6, 16, 5, 1, kDarkGrey);
}

// `count` triangles pointing left, 5 wide and 10 high, one unit apart, centred. Aliased
// drawing samples pixel centres; the quarter-unit shift keeps every edge off them so
// the mirrored picture comes out pixel for pixel.
void drawTriangles(QPainter& p, int count, bool smooth, const QColor& ink) {
  const qreal off = smooth ? 0.0 : 0.25;
  const int width = 6 * count - 1;
  const int left = (kImageSize - width) / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int i = 0; i < count; ++i) {
    const qreal tip = left + 6 * i - off;
    const QPolygonF tri{QPointF(tip, 10), QPointF(tip + 5, 5), QPointF(tip + 5, 15)};
    p.drawPolygon(tri);
  }
}

// Square-cornered digit strokes, so the page number stays sharp at 20 pixels.
void drawDigitOne(QPainter& p, qreal x, qreal y) {
  fill(p, x + 2, y, 1, 7, kInk);
  fill(p, x + 1, y + 1, 1, 1, kInk);
  fill(p, x + 1, y + 6, 3, 1, kInk);
}

void drawDigitTwo(QPainter& p, qreal x, qreal y) {
  fill(p, x, y, 4, 1, kInk);
  fill(p, x + 3, y, 1, 4, kInk);
  fill(p, x, y + 3, 4, 1, kInk);
  fill(p, x, y + 3, 1, 4, kInk);
  fill(p, x, y + 6, 4, 1, kInk);
}

void drawCalendar(QPainter& p, const QColor& ground) {
  box(p, 3, 2, 14, 16, kWhite);
  fill(p, 4, 3, 12, 4, kRed);
  // Binding rings over the top edge.
  fill(p, 6, 1, 1, 4, kInk);
  fill(p, 13, 1, 1, 4, kInk);
  drawDigitOne(p, 5, 8);
  drawDigitTwo(p, 11, 8);
  // Bottom-right corner lifting, ready to be torn off.
  clear(p, 14, 15, 3, 3, ground);
  fill(p, 14, 15, 1, 3, kInk);
  fill(p, 14, 15, 3, 1, kInk);
  fill(p, 15, 16, 1, 1, kGrey);
  fill(p, 16, 16, 1, 1, kInk);
  fill(p, 15, 17, 1, 1, kInk);
}

void drawSpeech(QPainter& p) {
  QPainterPath balloon;
  balloon.addRoundedRect(QRectF(1.5, 1.5, 17, 12), 3, 3);
  QPainterPath tail;
  tail.addPolygon(QPolygonF{QPointF(5, 13), QPointF(3.5, 18.5), QPointF(10, 13)});
  tail.closeSubpath();
  balloon = balloon.united(tail);
  QPen pen(kInk, 1);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(kWhite);
  p.drawPath(balloon);
  fill(p, 4, 4, 12, 1, kDarkGrey);
  fill(p, 4, 7, 12, 1, kDarkGrey);
  fill(p, 4, 10, 8, 1, kDarkGrey);
}

// The arrows stand on the toolbar itself, so they take `arrows`; the other pictures have
// pale bodies of their own that show on any toolbar.
void paintPicture(QPainter& p, int index, bool smooth, const QColor& ground, const QColor& arrows) {
  p.setRenderHint(QPainter::Antialiasing, smooth);
  switch (index) {
    case 1: drawDisk(p, ground); break;
    case 2: drawPrinter(p); break;
    case 3:
    case 4:
    case 5: drawTriangles(p, 6 - index, smooth, arrows); break;
    case 6:
    case 7:
    case 8:
      // Forward is back seen in a mirror.
      p.translate(kImageSize, 0);
      p.scale(-1, 1);
      drawTriangles(p, index - 5, smooth, arrows);
      break;
    case 9: drawCalendar(p, ground); break;
    case 10: drawSpeech(p); break;
    default: break;
  }
}

QImage renderPicture(int index, int scale, QImage::Format format, const QColor& ground,
                     const QColor& arrows = kInk) {
  QImage img(kImageSize * scale, kImageSize * scale, format);
  img.fill(ground);
  QPainter p(&img);
  p.scale(scale, scale);
  paintPicture(p, index, scale > 1, ground, arrows);
  return img;
}

// Black arrows on a light toolbar, white ones on a dark toolbar.
QColor toolbarInk() {
  const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Window);
  return resolveColour(inkOn(rgb(face.red(), face.green(), face.blue())));
}

bool validIndex(int index) { return index >= 1 && index <= kImageCount; }

QColor qColour(IconRgb c) { return QColor(c.r, c.g, c.b); }

void paintProgramIcon(QPainter& p, int size) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const IconShape shape(size);
  const QRectF card(shape.cardLeft, shape.cardLeft, shape.cardSide, shape.cardSide);
  p.setPen(QPen(qColour(kIconCardLine), shape.frame));
  p.setBrush(qColour(kIconCardFill));
  p.drawRoundedRect(card, shape.radius, shape.radius);

  p.setPen(QPen(qColour(kIconMidLine), shape.midLineWidth));
  if (shape.showsMidLine)
    p.drawLine(QPointF(shape.plotLeft, shape.mid),
               QPointF(shape.plotLeft + shape.plotSide, shape.mid));

  for (const IconCurve& c : kIconCurves) {
    QPainterPath path;
    for (int i = 0; i <= kIconCurveSteps; ++i) {
      const QPointF pt(shape.curveX(i), shape.curveY(c, i));
      if (i == 0)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    QPen pen(qColour(c.colour), shape.curveWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
}

}  // namespace

QImage programIconImage(int size) {
  if (size <= 0) return {};
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  paintProgramIcon(p, size);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

namespace {
// Draws an icon at a size only when something asks for it: a window manager wants one or two
// of the program icon's sizes, a toolbar one of its pictures' two; drawing them all would slow
// down every start.
class DrawnIconEngine : public QIconEngine {
 public:
  DrawnIconEngine(std::function<QImage(int)> draw, std::vector<int> sizes)
      : draw_(std::move(draw)), sizes_(std::move(sizes)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const int side = nearestSize(std::min(size.width(), size.height()));
    // Drawn again when the desktop turns dark or light, as the arrows follow the toolbar.
    const QRgb face = QGuiApplication::palette().color(QPalette::Active, QPalette::Window).rgb();
    QPixmap& cached = cache_[{side, face}];
    if (cached.isNull()) cached = QPixmap::fromImage(draw_(side));
    QPixmap result = cached;
    if (side > size.width() || side > size.height())
      result = cached.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled) {
      QStyleOption opt;
      const QPixmap disabled =
          QApplication::style()->generatedIconPixmap(QIcon::Disabled, result, &opt);
      if (!disabled.isNull()) return disabled;
    }
    return result;
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = nearestSize(std::min(size.width(), size.height()));
    const int fit = std::min({side, size.width(), size.height()});
    return {fit, fit};
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int s : sizes_) sizes.append(QSize(s, s));
    return sizes;
  }
  QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
  QString key() const override { return QStringLiteral("TidewellDrawnIcon"); }

 private:
  // The smallest drawn size at least `side`, else the largest.
  int nearestSize(int side) const {
    for (int s : sizes_)
      if (s >= side) return s;
    return sizes_.back();
  }
  std::function<QImage(int)> draw_;
  std::vector<int> sizes_;
  std::map<std::pair<int, QRgb>, QPixmap> cache_;
};

// A toolbar picture at 20 pixels: the image list's, with its silver keyed out, as the toolbar
// shows it; at 40 drawn afresh on a clear ground.
QImage toolbarPicture(int index, int side) {
  if (side < 2 * kImageSize) {
    QImage small = renderPicture(index, 1, QImage::Format_RGB32, kImageGround, toolbarInk())
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < small.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(small.scanLine(y));
      for (int x = 0; x < small.width(); ++x) {
        if (line[x] == kImageGround.rgb()) line[x] = qRgba(0, 0, 0, 0);
      }
    }
    return small;
  }
  return renderPicture(index, 2, QImage::Format_ARGB32_Premultiplied, Qt::transparent,
                       toolbarInk());
}

// Hands every request to the icon `make` returns, made at the first of them.
class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make)
      : shared_(std::make_shared<Shared>(Shared{std::move(make), {}, false})) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, 1.0, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
  QString key() const override { return QStringLiteral("TidewellDeferredIcon"); }

 private:
  struct Shared {
    std::function<QIcon()> make;
    QIcon icon;
    bool made;
  };
  QIcon& icon() {
    if (!shared_->made) {
      shared_->made = true;
      shared_->icon = shared_->make();
      shared_->make = nullptr;
    }
    return shared_->icon;
  }
  std::shared_ptr<Shared> shared_;
};
}  // namespace

QIcon toolbarImage(int index) {
  if (!validIndex(index)) return {};
  return QIcon(new DrawnIconEngine([index](int side) { return toolbarPicture(index, side); },
                                   {kImageSize, 2 * kImageSize}));
}

QIcon programIcon() {
  return QIcon(new DrawnIconEngine(programIconImage, {16, 24, 32, 48, 64, 128, 256}));
}

QIcon deferredIcon(std::function<QIcon()> make) {
  return QIcon(new DeferredIconEngine(std::move(make)));
}

}  // namespace tw::platform
