#include "sim/entity.h"

namespace kelvo::sim {

std::u16string_view EntityName(EntityKind kind) {
  return kind == EntityKind::Text ? u"AcDbText" : u"AcDbLine";
}

std::u16string_view DxfName(EntityKind kind) {
  return kind == EntityKind::Text ? u"TEXT" : u"LINE";
}

}  // namespace kelvo::sim
