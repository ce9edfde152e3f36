// What a day step changed on the screen: the new drawing matched with the one last shown,
// moved across by whole device pixels, and the region that must be painted afresh.
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/drawing/qt_surface.h"

namespace tw::platform {

// Where an op's pixels can be, with room for smoothing and caps.
QRect QtSurface::deviceBounds(const Op& op, const Geometry& g) const {
  const double r = ratio_;
  QRectF box;
  double margin = 2;
  if (op.isText) {
    const QRectF& ink = op.ink;
    box = QRectF(op.x1 * g.across + ink.left() * op.face->scale, op.y1 * g.down + ink.top(),
                 ink.width() * op.face->scale, ink.height());
    box = QRectF(box.topLeft() * r, box.size() * r);
  } else {
    const QPointF a(op.x1 * g.across * r, op.y1 * g.down * r);
    const QPointF b(op.x2 * g.across * r, op.y2 * g.down * r);
    box = QRectF(a, b).normalized();
    margin += std::max<int>(1, op.width) * r;
  }
  box.adjust(-margin, -margin, margin, margin);
  const int left = static_cast<int>(std::floor(box.left()));
  const int top = static_cast<int>(std::floor(box.top()));
  return QRect(QPoint(left, top), QPoint(static_cast<int>(std::ceil(box.right())),
                                         static_cast<int>(std::ceil(box.bottom()))));
}

namespace {

QRegion unite(const std::vector<QRect>& rects, std::size_t from, std::size_t to) {
  if (to - from == 1) return QRegion(rects[from]);
  if (to == from) return {};
  const std::size_t mid = from + (to - from) / 2;
  return unite(rects, from, mid) | unite(rects, mid, to);
}

std::size_t mix(std::size_t h, std::size_t v) {
  return (h ^ v) * 0x9E3779B97F4A7C15ull + (h >> 29);
}

template <typename T>
std::size_t bitsOf(T v) {
  if constexpr (std::is_floating_point_v<T>) v = v + T(0);  // -0 as 0
  std::size_t out = 0;
  std::memcpy(&out, &v, std::min(sizeof v, sizeof out));
  return out;
}

}  // namespace

// A day step moves every column's drawing by whole columns. The new drawing is matched with the
// last one shown moved across by the distance most of it moved; what matches is moved on the
// screen, what does not is painted afresh: new columns, the headers, the chart date's column.
ScreenUpdate QtSurface::takeScreenUpdate() {
  ScreenUpdate update;
  const QSize pixels = pixelSize();
  frame_.pixels = pixels;
  frame_.ratio = ratio_;
  if (!frame_.background) frame_.background = resolveColour(back_).rgb();
  const Frame& now = frame_;
  const Frame& was = shown_;
  const bool comparable = everShown_ && was.pixels == now.pixels && was.ratio == now.ratio &&
                          was.background == now.background;
  everShown_ = true;
  if (!comparable) {
    update.all = true;
    shown_ = frame_;
    return update;
  }
  const Geometry g = screenGeometry();
  const auto shapeHash = [](const Op& op) {
    std::size_t h = op.isText;
    h = mix(h, bitsOf(op.width) ^ (bitsOf(op.style) << 16) ^ (std::size_t{op.colour} << 24));
    h = mix(h, reinterpret_cast<std::uintptr_t>(op.face));
    h = mix(h, bitsOf(op.y1) ^ (bitsOf(op.y2) << 32));
    h = mix(h, bitsOf(op.x2 - op.x1));
    if (op.isText) h = mix(h, std::hash<std::string>{}(op.text));
    return h;
  };
  const auto sameShape = [](const Op& a, const Op& b) {
    return a.isText == b.isText && a.width == b.width && a.style == b.style &&
           a.colour == b.colour && a.face == b.face && a.y1 == b.y1 && a.y2 == b.y2 &&
           a.x2 - a.x1 == b.x2 - b.x1 && a.text == b.text;
  };
  // Open addressing over the shown ops: by shape alone (one entry a shape, with its count), and
  // by shape and place.
  std::size_t tableSize = 16;
  while (tableSize < 2 * was.ops.size() + 16) tableSize *= 2;
  struct ShapeSlot {
    int op = -1;
    int count = 0;
  };
  std::vector<ShapeSlot> byShape(tableSize);
  std::vector<int> byPlace(tableSize, -1);
  std::vector<std::size_t> hashes(was.ops.size());
  std::vector<int> nextSame(was.ops.size(), -1);  // the next shown op of the same shape
  for (std::size_t j = 0; j < was.ops.size(); ++j) {
    const Op& op = was.ops[j];
    const std::size_t h = hashes[j] = shapeHash(op);
    for (std::size_t k = h & (tableSize - 1);; k = (k + 1) & (tableSize - 1)) {
      ShapeSlot& slot = byShape[k];
      if (slot.op < 0) {
        slot = {static_cast<int>(j), 1};
        break;
      }
      if (sameShape(was.ops[slot.op], op)) {
        ++slot.count;
        nextSame[j] = nextSame[slot.op];
        nextSame[slot.op] = static_cast<int>(j);
        break;
      }
    }
    for (std::size_t k = mix(h, bitsOf(op.x1)) & (tableSize - 1);; k = (k + 1) & (tableSize - 1)) {
      if (byPlace[k] < 0) {
        byPlace[k] = static_cast<int>(j);
        break;
      }
    }
  }
  // The distance in twips most ops moved by, each op voting for every place a shown op of its
  // shape had, unless that shape is common.
  std::vector<std::pair<float, int>> votes;
  std::vector<std::size_t> nowHashes(now.ops.size());
  for (std::size_t i = 0; i < now.ops.size(); ++i) {
    const Op& op = now.ops[i];
    const std::size_t h = nowHashes[i] = shapeHash(op);
    for (std::size_t k = h & (tableSize - 1); byShape[k].op >= 0; k = (k + 1) & (tableSize - 1)) {
      const ShapeSlot& slot = byShape[k];
      if (!sameShape(was.ops[slot.op], op)) continue;
      if (slot.count > 4) break;
      for (int j = slot.op; j >= 0; j = nextSame[j]) {
        const float d = was.ops[j].x1 - op.x1;
        auto v =
            std::find_if(votes.begin(), votes.end(), [d](const auto& p) { return p.first == d; });
        if (v != votes.end())
          ++v->second;
        else if (votes.size() < 64)
          votes.emplace_back(d, 1);
      }
      break;
    }
  }
  float moved = 0;
  int most = 0;
  for (const auto& [d, n] : votes)
    if (n > most) moved = d, most = n;

  // Old pixels move the other way: a drawing now at x was at x + moved.
  const double exactShift = -moved * g.across * ratio_;
  int shift = static_cast<int>(std::lround(exactShift));
  if (std::abs(exactShift - shift) > 1e-6 || std::abs(shift) >= pixels.width())
    moved = 0, shift = 0;

  std::vector<char> used(was.ops.size(), 0);
  std::vector<QRect> dirty;
  const QRect bounds(QPoint(0, 0), pixels);
  const auto find = [&](const Op& op, std::size_t h, float x1) {
    for (std::size_t k = mix(h, bitsOf(x1)) & (tableSize - 1); byPlace[k] >= 0;
         k = (k + 1) & (tableSize - 1)) {
      const int j = byPlace[k];
      if (!used[j] && hashes[j] == h && was.ops[j].x1 == x1 && sameShape(was.ops[j], op)) return j;
    }
    return -1;
  };
  int last = -1;  // matched ops keep their order, so what overlaps blends alike
  for (std::size_t i = 0; i < now.ops.size(); ++i) {
    const Op& op = now.ops[i];
    const int j = find(op, nowHashes[i], op.x1 + moved);
    if (j > last) {
      used[j] = 1;
      last = j;
      continue;
    }
    const QRect box = deviceBounds(op, g);
    // A solid level line the same before and after is the same along its length: only its
    // ends change.
    if (shift != 0 && !op.isText && op.y1 == op.y2 && op.style == 0) {
      const int k = find(op, nowHashes[i], op.x1);
      if (k > last) {
        used[k] = 1;
        last = k;
        const int m = 2 + std::max<int>(1, op.width) * static_cast<int>(std::ceil(ratio_));
        for (int x : {box.left() + m, box.right() - m})
          dirty.push_back(QRect(QPoint(std::min(x, x + shift) - m, box.top()),
                                QPoint(std::max(x, x + shift) + m, box.bottom())));
        continue;
      }
    }
    dirty.push_back(box);
  }
  for (std::size_t j = 0; j < was.ops.size(); ++j)
    if (!used[j]) dirty.push_back(deviceBounds(was.ops[j], g).translated(shift, 0));
  if (shift < 0) dirty.push_back(QRect(pixels.width() + shift, 0, -shift, pixels.height()));
  if (shift > 0) dirty.push_back(QRect(0, 0, shift, pixels.height()));
  long long area = 0;
  for (QRect& r : dirty) {
    // On a coarse grid, so the region stays a few bands of rectangles: painting and clipping
    // cost by the rectangle more than by the pixel.
    constexpr int kGrid = 16;
    const auto down = [](int v) {
      return v >= 0 ? v / kGrid * kGrid : -((-v + kGrid - 1) / kGrid) * kGrid;
    };
    r = QRect(QPoint(down(r.left()), down(r.top())),
              QPoint(down(r.right()) + kGrid - 1, down(r.bottom()) + kGrid - 1)) &
        bounds;
    area += static_cast<long long>(r.width()) * r.height();
  }
  dirty.erase(
      std::remove_if(dirty.begin(), dirty.end(), [](const QRect& r) { return r.isEmpty(); }),
      dirty.end());
  shown_ = frame_;
  // Much to paint anyway: painting all costs no more and moves nothing.
  if (area * 2 > static_cast<long long>(pixels.width()) * pixels.height()) {
    update.all = true;
    return update;
  }
  update.shift = shift;
  update.dirty = unite(dirty, 0, dirty.size());
  return update;
}

}  // namespace tw::platform
