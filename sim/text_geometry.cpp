#include "sim/text_geometry.h"

namespace kelvo::sim {
namespace {

// Fractions of the width and height, indexed by AcAlignment: left, center, right,
// aligned, middle, fit, then top, middle and bottom rows of left, center, right.
// Aligned and fit end their baseline at the alignment point, like right.
constexpr double kAcross[] = {0, 0.5, 1, 1, 0.5, 1, 0, 0.5, 1, 0, 0.5, 1, 0, 0.5, 1};
// The bottom row lies a descender (a quarter of the height) below the baseline.
constexpr double kUp[] = {0, 0, 0, 0, 0.5, 0, 1, 1, 1, 0.5, 0.5, 0.5, -0.25, -0.25, -0.25};

}  // namespace

bool IsValidAlignment(std::int32_t alignment) {
  return alignment >= 0 && alignment <= kMaxAlignment;
}

Point AnchorOffset(std::int32_t alignment, std::u16string_view text) {
  if (!IsValidAlignment(alignment)) return {};
  double width = kCharWidth * static_cast<double>(text.size());
  return {kAcross[alignment] * width, kUp[alignment] * kTextHeight, 0};
}

Point InsertionFromAnchor(const Point& anchor, std::int32_t alignment, std::u16string_view text) {
  Point offset = AnchorOffset(alignment, text);
  return {anchor[0] - offset[0], anchor[1] - offset[1], anchor[2]};
}

Point AnchorFromInsertion(const Point& insertion, std::int32_t alignment,
                          std::u16string_view text) {
  Point offset = AnchorOffset(alignment, text);
  return {insertion[0] + offset[0], insertion[1] + offset[1], insertion[2]};
}

}  // namespace kelvo::sim
