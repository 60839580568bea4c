#pragma once
// Where a single-line text sits. A left-aligned text is placed by its insertion
// point; any other by its alignment point, from which the insertion point (the
// left end of the baseline) follows by the text's width and height. The metrics
// are deliberately simple: every code unit is kCharWidth wide.

#include <cstdint>
#include <string_view>

#include "sim/entity.h"

namespace kelvo::sim {

inline constexpr double kCharWidth = 2.5;
inline constexpr double kTextHeight = 2.5;
inline constexpr std::int32_t kMaxAlignment = 14;

bool IsValidAlignment(std::int32_t alignment);
// Aligned (3) and fit (5) texts run from their insertion point to their
// alignment point; both are kept, and the text stretches between them.
inline bool HasTwoPoints(std::int32_t alignment) {
  return alignment == 3 || alignment == 5;
}
// Alignment point minus insertion point for this alignment and string.
Point AnchorOffset(std::int32_t alignment, std::u16string_view text);
Point InsertionFromAnchor(const Point& anchor, std::int32_t alignment, std::u16string_view text);
Point AnchorFromInsertion(const Point& insertion, std::int32_t alignment, std::u16string_view text);

}  // namespace kelvo::sim
