#pragma once
// The fetched TEXT entities. Line i of the editor belongs to entry i.

#include <cstdint>
#include <string>
#include <vector>

#include "cad/variant.h"

namespace kelvo {

struct Kelvo {
  std::u16string sHnd;      // the entity's Handle
  std::int64_t objId = 0;   // 0: the entry has no entity (an empty slot)
  std::u16string text;      // TextString when it was read
  Variant insPt;            // anchor point; Empty when none is stored
  std::int32_t txtAli = 0;  // Alignment, 0 = left
  std::u16string lay;       // Layer
  std::int32_t index = 0;   // position in the selection it was fetched from
};

extern std::vector<Kelvo> EntityList;

// X and Y of a stored point; raises when the entry holds no point.
double PointX(const Variant& point);
double PointY(const Variant& point);
bool HasPoint(const Variant& point);

}  // namespace kelvo
