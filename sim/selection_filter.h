#pragma once
// The entity-type filter of SelectOnScreen: group code 0 with one or more DXF
// type names, comma-separated ("TEXT", "TEXT,LINE"). Any other filter is one
// the simulated CAD does not understand and refuses.

#include <string>
#include <vector>

#include "cad/variant.h"
#include "sim/entity.h"

namespace kelvo::sim {

class SelectionFilter {
 public:
  // Everything passes.
  SelectionFilter() = default;
  // Only these DXF types pass (compared without regard to case).
  explicit SelectionFilter(std::vector<std::u16string> dxfTypes);

  // From the filter pair as SelectOnScreen receives it: types a 16-bit integer
  // array (or an array of variants holding integers), data an array of
  // variants holding strings, both of one element. Two empty values mean no
  // filter. Raises for anything else.
  static SelectionFilter FromVariants(const Variant& types, const Variant& data);

  bool Matches(EntityKind kind) const;
  bool IsAny() const { return !restricted_; }
  const std::vector<std::u16string>& DxfTypes() const { return dxfTypes_; }

 private:
  bool restricted_ = false;
  std::vector<std::u16string> dxfTypes_;  // upper case
};

}  // namespace kelvo::sim
