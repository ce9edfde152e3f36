#include "chart/curves.h"

namespace tw {

std::string curveTitle(const ChartCurve& curve) {
  std::string title = curve.name;
  if (!title.empty() && title[0] >= 'a' && title[0] <= 'z')
    title[0] = static_cast<char>(title[0] - 'a' + 'A');
  return title;
}

}  // namespace tw
