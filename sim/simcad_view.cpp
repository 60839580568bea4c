#include "sim/simcad_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sim/text_geometry.h"

namespace kelvo::sim {
namespace {

constexpr double kMinTextPixels = 13;
constexpr double kMaxTextPixels = 40;
// How much an empty or one-point drawing shows around its centre.
constexpr double kMinExtent = 20;

struct Extents {
  double minX = std::numeric_limits<double>::infinity();
  double minY = std::numeric_limits<double>::infinity();
  double maxX = -std::numeric_limits<double>::infinity();
  double maxY = -std::numeric_limits<double>::infinity();

  void Add(double x, double y) {
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
  }
  bool Empty() const { return minX > maxX; }
};

double Distance(double x, double y, const PixelBox& box) {
  double dx = std::max({box.left - x, 0.0, x - box.right});
  double dy = std::max({box.top - y, 0.0, y - box.bottom});
  return std::hypot(dx, dy);
}

double DistanceToSegment(double x, double y, const std::array<double, 2>& a,
                         const std::array<double, 2>& b) {
  double dx = b[0] - a[0];
  double dy = b[1] - a[1];
  double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared == 0 ? 0 : ((x - a[0]) * dx + (y - a[1]) * dy) / lengthSquared;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (a[0] + t * dx), y - (a[1] + t * dy));
}

}  // namespace

ViewTransform ViewTransform::Fit(const std::vector<Entity>& entities, const PixelBox& area,
                                 double margin) {
  Extents e;
  for (const Entity& entity : entities) {
    if (entity.kind == EntityKind::Line) {
      e.Add(entity.insertion[0], entity.insertion[1]);
      e.Add(entity.alignmentPoint[0], entity.alignmentPoint[1]);
    } else {
      const Point& at = entity.insertion;
      e.Add(at[0], at[1]);
      e.Add(at[0] + kCharWidth * static_cast<double>(entity.text.size()), at[1] + kTextHeight);
      if (entity.alignment != 0) e.Add(entity.alignmentPoint[0], entity.alignmentPoint[1]);
    }
  }
  if (e.Empty()) e.Add(0, 0);
  ViewTransform view;
  view.worldCentre_ = {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2};
  view.windowCentre_ = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  double width = std::max(area.right - area.left - 2 * margin, 1.0);
  double height = std::max(area.bottom - area.top - 2 * margin, 1.0);
  double scale = std::min(width / std::max(e.maxX - e.minX, kMinExtent),
                          height / std::max(e.maxY - e.minY, kMinExtent));
  // Far-flung coordinates give no usable view; keep the numbers finite.
  view.scale_ = std::isfinite(scale) && scale > 0 ? scale : 1;
  return view;
}

std::array<double, 2> ViewTransform::ToWindow(double x, double y) const {
  return {windowCentre_[0] + (x - worldCentre_[0]) * scale_,
          windowCentre_[1] - (y - worldCentre_[1]) * scale_};
}

double ViewTransform::TextPixels() const {
  return std::clamp(std::round(kTextHeight * scale_), kMinTextPixels, kMaxTextPixels);
}

std::vector<ViewItem> LayOutView(const std::vector<Entity>& entities, const ViewTransform& view,
                                 const MeasureText& measure) {
  std::vector<ViewItem> items;
  items.reserve(entities.size());
  for (const Entity& entity : entities) {
    ViewItem item;
    item.id = entity.id;
    item.kind = entity.kind;
    if (entity.kind == EntityKind::Line) {
      item.anchor = view.ToWindow(entity.insertion[0], entity.insertion[1]);
      item.end = view.ToWindow(entity.alignmentPoint[0], entity.alignmentPoint[1]);
      items.push_back(std::move(item));
      continue;
    }
    const Point& anchor = entity.alignment == 0 ? entity.insertion : entity.alignmentPoint;
    item.anchor = view.ToWindow(anchor[0], anchor[1]);
    item.text = entity.text;
    // The string sits against its anchor as the alignment says, in the
    // window's own font metrics: one code unit's offset gives the fractions.
    Point unit = AnchorOffset(entity.alignment, u"M");
    double across = unit[0] / kCharWidth;
    double up = unit[1] / kTextHeight;
    TextExtent extent = measure(entity.text);
    double baseline =
        up < 0 ? item.anchor[1] - extent.descent : item.anchor[1] + up * extent.ascent;
    item.origin = {item.anchor[0] - across * extent.width, baseline};
    item.box = {item.origin[0], baseline - extent.ascent, item.origin[0] + extent.width,
                baseline + extent.descent};
    items.push_back(std::move(item));
  }
  return items;
}

std::optional<std::int64_t> HitTest(const std::vector<ViewItem>& items, double x, double y,
                                    const SelectionFilter& filter, double slop) {
  std::optional<std::int64_t> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const ViewItem& item : items) {
    if (!filter.Matches(item.kind)) continue;
    // A text's anchor lies on its cell's edge, so the cell covers it.
    double d = item.kind == EntityKind::Line ? DistanceToSegment(x, y, item.anchor, item.end)
                                             : Distance(x, y, item.box);
    if (d <= slop && d <= bestDistance) {
      best = item.id;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace kelvo::sim
