#pragma once
// One entity of the simulated drawing and the names the object model gives it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::sim {

using Point = std::array<double, 3>;

enum class EntityKind { Text, Line };

struct Entity {
  std::int64_t id = 0;
  std::u16string handle;
  EntityKind kind = EntityKind::Text;
  std::u16string text;
  // AutoCAD's AcAlignment, 0 (left) to 14.
  std::int32_t alignment = 0;
  // A text: kept consistent by the drawing (see text_geometry.h); a left text's
  // alignment point reads (0,0,0). A line: its start and end point.
  Point insertion{};
  Point alignmentPoint{};
  std::u16string layer;
  bool erased = false;

  friend bool operator==(const Entity&, const Entity&) = default;
};

// The object model's EntityName: "AcDbText", "AcDbLine".
std::u16string_view EntityName(EntityKind kind);
// The DXF type a selection filter matches: "TEXT", "LINE".
std::u16string_view DxfName(EntityKind kind);

}  // namespace kelvo::sim
