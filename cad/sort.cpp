#include "cad/sort.h"

#include <algorithm>
#include <utility>

namespace kelvo {
namespace {

// Entries without a point (not a text, in spite of the filter) have no place
// on either axis: they go behind every placed entry and keep their order.
bool ShouldSwap(const Kelvo& a, const Kelvo& b, std::int32_t mode) {
  bool placedA = HasPoint(a.insPt);
  bool placedB = HasPoint(b.insPt);
  if (!placedA || !placedB) return !placedA && placedB;
  if (mode == 0) return PointX(a.insPt) > PointX(b.insPt);
  return PointY(a.insPt) < PointY(b.insPt);
}

std::int32_t AxisOfLargerSpread(const std::vector<Kelvo>& list) {
  bool any = false;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (const Kelvo& k : list) {
    if (!HasPoint(k.insPt)) continue;
    double x = PointX(k.insPt);
    double y = PointY(k.insPt);
    if (!any) {
      minX = maxX = x;
      minY = maxY = y;
      any = true;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  return maxY - minY >= maxX - minX ? 1 : 0;
}

}  // namespace

void SortByCoordinates(std::vector<Kelvo>& list, std::int32_t mode) {
  std::size_t n = list.size();
  if (n < 2) return;
  if (mode >= 3) mode = AxisOfLargerSpread(list);
  if (mode != 0 && mode != 1) return;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (ShouldSwap(list[i], list[j], mode)) std::swap(list[i], list[j]);
    }
  }
}

}  // namespace kelvo
