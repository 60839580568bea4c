#pragma once
// Where simcad's window shows the drawing: a mapping from drawing units to
// window pixels that fits every live entity, the drawn place of each text for
// its alignment, and the entity a click lands on. Geometry only: the window
// measures the strings with its font.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/entity.h"
#include "sim/selection_filter.h"

namespace kelvo::sim {

struct PixelBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// A uniform scale, Y up in the drawing and down in the window.
class ViewTransform {
 public:
  // Centres the entities' extents in `area` less `margin` on every side, as
  // large as fits. Texts count with their nominal size (text_geometry.h).
  static ViewTransform Fit(const std::vector<Entity>& entities, const PixelBox& area,
                           double margin);

  double Scale() const { return scale_; }  // pixels per drawing unit
  std::array<double, 2> ToWindow(double x, double y) const;
  // The font's em in pixels: the nominal text height at this scale, kept
  // readable however far the view zooms out or in.
  double TextPixels() const;

 private:
  double scale_ = 1;
  std::array<double, 2> worldCentre_{};
  std::array<double, 2> windowCentre_{};
};

// A string's extent in the window's font.
struct TextExtent {
  double width = 0;
  double ascent = 0;   // baseline to the top of the cell
  double descent = 0;  // baseline to the bottom of the cell
};
using MeasureText = std::function<TextExtent(std::u16string_view)>;

struct ViewItem {
  std::int64_t id = 0;
  EntityKind kind = EntityKind::Text;
  std::u16string text;
  std::array<double, 2> anchor{};  // a text's anchor; a line's start
  std::array<double, 2> end{};     // a line's end
  std::array<double, 2> origin{};  // where a text's string starts on its baseline
  PixelBox box;                    // a text's cell
};

// In drawing order: the entities' order.
std::vector<ViewItem> LayOutView(const std::vector<Entity>& entities, const ViewTransform& view,
                                 const MeasureText& measure);

// The entity the filter lets through nearest to (x, y), no farther than
// `slop` pixels from its text's cell or its line; among equally near ones the
// one drawn last, which is on top.
std::optional<std::int64_t> HitTest(const std::vector<ViewItem>& items, double x, double y,
                                    const SelectionFilter& filter, double slop);

}  // namespace kelvo::sim
