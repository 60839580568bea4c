#include "cad/kelvo.h"

#include "base/error.h"

namespace kelvo {

std::vector<Kelvo> EntityList;

bool HasPoint(const Variant& point) {
  const auto* xyz = point.Get<DoubleArray>();
  return xyz != nullptr && xyz->size() >= 2;
}

namespace {

double Coordinate(const Variant& point, std::size_t axis) {
  if (!HasPoint(point)) throw Error(u"テキストの位置がありません");
  return (*point.Get<DoubleArray>())[axis];
}

}  // namespace

double PointX(const Variant& point) {
  return Coordinate(point, 0);
}
double PointY(const Variant& point) {
  return Coordinate(point, 1);
}

}  // namespace kelvo
