#include "platform/windows/text_room.h"

#include <algorithm>
#include <numeric>

namespace tw::platform {

namespace {
bool sameRow(const PlacedBox& a, const PlacedBox& b) {
  return a.top < b.top + b.height && b.top < a.top + a.height;
}
int right(const PlacedBox& b) { return b.left + b.width; }
}  // namespace

Fitted fitToText(const std::vector<PlacedBox>& boxes) {
  Fitted out{boxes, 0};
  std::vector<PlacedBox>& now = out.boxes;
  const std::size_t n = boxes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int extra = boxes[i].needed - boxes[i].width;
    if (extra <= 0) continue;
    now[i].width += extra;
    if (!boxes[i].growsLeft) continue;
    int room = extra;
    for (std::size_t j = 0; j < n; ++j)
      if (j != i && sameRow(boxes[i], boxes[j]) && boxes[j].left >= right(boxes[i]))
        room = std::min(room, std::max(0, boxes[j].left - right(boxes[i]) - kLeastGap));
    now[i].left -= extra - room;
  }
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return boxes[a].left < boxes[b].left; });
  // Each move can make room needed elsewhere; there are at most as many rounds as boxes.
  for (std::size_t round = 0; round <= n; ++round) {
    bool moved = false;
    for (std::size_t a : order)
      for (std::size_t b : order) {
        if (a == b || !sameRow(boxes[a], boxes[b]) || boxes[b].left < right(boxes[a])) continue;
        // b was designed to the right of a: it keeps a gap from a's right edge.
        const int gap = std::min(boxes[b].left - right(boxes[a]), kLeastGap);
        const int overlap = right(now[a]) + gap - now[b].left;
        if (overlap <= 0) continue;
        // A caption that grew left into its neighbour moves right as a whole, as anything does.
        now[b].left += overlap;
        moved = true;
      }
    // A column designed at one left edge stays one.
    for (std::size_t a = 0; a < n; ++a)
      for (std::size_t b = 0; b < n; ++b)
        if (boxes[a].left == boxes[b].left &&
            now[b].left - boxes[b].left > now[a].left - boxes[a].left && !boxes[a].growsLeft &&
            !boxes[b].growsLeft) {
          now[a].left = boxes[a].left + (now[b].left - boxes[b].left);
          moved = true;
        }
    if (!moved) break;
  }
  int designedEdge = 0, edge = 0;
  for (std::size_t i = 0; i < n; ++i) {
    designedEdge = std::max(designedEdge, right(boxes[i]));
    edge = std::max(edge, right(now[i]));
  }
  out.wider = std::max(0, edge - designedEdge);
  return out;
}

}  // namespace tw::platform
