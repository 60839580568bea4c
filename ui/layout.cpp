#include "ui/layout.h"

#include <algorithm>
#include <cstdint>

namespace kelvo {
namespace {

struct Box {
  int left;
  int top;
  int right;
  int bottom;
};

// The row's rect from its design rect and anchors, within a parent whose
// design size was designWidth × designHeight and whose size is now width ×
// height (both scaled).
PixelRect Anchored(const WidgetRow& row, int designWidth, int designHeight, int width, int height,
                   int dpi) {
  const Rect96& r = row.rect;
  int left = ScaleToDpi(r.left, dpi);
  int top = ScaleToDpi(r.top, dpi);
  int w = ScaleToDpi(r.width, dpi);
  int h = ScaleToDpi(r.height, dpi);
  int toRight = ScaleToDpi(designWidth - r.left - r.width, dpi);
  int toBottom = ScaleToDpi(designHeight - r.top - r.height, dpi);
  if ((row.anchors & kAnchorRight) != 0) {
    if ((row.anchors & kAnchorLeft) != 0) {
      w = std::max(0, width - left - toRight);
    } else {
      left = width - toRight - w;
    }
  }
  if ((row.anchors & kAnchorBottom) != 0) {
    if ((row.anchors & kAnchorTop) != 0) {
      h = std::max(0, height - top - toBottom);
    } else {
      top = height - toBottom - h;
    }
  }
  return {left, top, w, h};
}

void LayOutChildren(const WindowTable& table, int parent, const PixelRect& area, int designWidth,
                    int designHeight, int dpi, std::map<int, PixelRect>& out) {
  Box free{area.left, area.top, area.left + area.width, area.top + area.height};
  for (const WidgetRow& row : table.rows) {
    if (row.parent != parent) continue;
    if (row.align == Align::Bottom) {
      int h = ScaleToDpi(row.rect.height, dpi);
      out[row.id] = {free.left, free.bottom - h, free.right - free.left, h};
      free.bottom -= h;
    } else if (row.align == Align::Left) {
      int w = ScaleToDpi(row.rect.width, dpi);
      out[row.id] = {free.left, free.top, w, free.bottom - free.top};
      free.left += w;
    }
  }
  for (const WidgetRow& row : table.rows) {
    if (row.parent != parent) continue;
    if (row.align == Align::Client) {
      out[row.id] = {free.left, free.top, std::max(0, free.right - free.left),
                     std::max(0, free.bottom - free.top)};
    } else if (row.align == Align::None) {
      PixelRect r = Anchored(row, designWidth, designHeight, area.width, area.height, dpi);
      out[row.id] = {area.left + r.left, area.top + r.top, r.width, r.height};
    }
  }
  for (const WidgetRow& row : table.rows) {
    if (row.parent != parent) continue;
    if (row.kind == WidgetKind::Panel) {
      // A panel is a window of its own: its children are in its client area.
      const PixelRect& r = out[row.id];
      LayOutChildren(table, row.id, {0, 0, r.width, r.height}, row.rect.width, row.rect.height, dpi,
                     out);
    } else if (row.kind == WidgetKind::GroupBox) {
      LayOutChildren(table, row.id, out[row.id], row.rect.width, row.rect.height, dpi, out);
    }
  }
}

}  // namespace

int ScaleToDpi(int value, int dpi) {
  // MulDiv rounds half away from zero.
  std::int64_t product = static_cast<std::int64_t>(value) * dpi;
  std::int64_t half = 48;
  return static_cast<int>(product >= 0 ? (product + half) / 96 : (product - half) / 96);
}

std::map<int, PixelRect> LayOut(const WindowTable& table, int clientWidth, int clientHeight,
                                int dpi) {
  std::map<int, PixelRect> out;
  LayOutChildren(table, 0, {0, 0, clientWidth, clientHeight}, table.clientWidth, table.clientHeight,
                 dpi, out);
  return out;
}

int ContainerOf(const WindowTable& table, int id) {
  const WidgetRow* row = FindRow(table, id);
  while (row != nullptr && row->parent != 0) {
    const WidgetRow* parent = FindRow(table, row->parent);
    if (parent == nullptr || parent->kind == WidgetKind::Panel) return row->parent;
    row = parent;
  }
  return 0;
}

}  // namespace kelvo
