#include "cad/entity_ops.h"

#include "base/error.h"
#include "cad/automation.h"

namespace kelvo {

ObjectRef ObjectIdToObject(const ObjectRef& doc, std::int64_t objId) {
  Arg id{Variant(objId), true};
  return Call(doc, u"ObjectIdToObject", std::span<Arg>(&id, 1)).ToObject();
}

bool FindLastLiveEntity(const ObjectRef& doc, ObjectRef& entity) {
  for (auto i = EntityList.size(); i-- > 0;) {
    if (EntityList[i].objId == 0) continue;
    try {
      entity = ObjectIdToObject(doc, EntityList[i].objId);
    } catch (const Error&) {
      // Erased since the fetch: the search ends here all the same.
    }
    return true;
  }
  return false;
}

ObjectRef CopyOf(const ObjectRef& source) {
  if (!source) throw Error(u"コピー元の TEXT がありません");
  return Get(source, u"Copy").ToObject();
}

void WriteAnchor(const ObjectRef& entity, std::int32_t alignment, const Variant& point) {
  Put(entity, alignment == 0 ? u"InsertionPoint" : u"TextAlignmentPoint", point, true);
}

void DiscardCopy(const ObjectRef& entity) noexcept {
  try {
    Get(entity, u"Delete");
  } catch (...) {
    // The CAD refuses even this; the failure that brought us here is reported.
  }
}

Variant MovedPoint(const Variant& point, double x, double y) {
  DoubleArray xyz{0, 0, 0};
  if (const auto* old = point.Get<DoubleArray>(); old != nullptr && old->size() == 3) xyz = *old;
  xyz[0] = x;
  xyz[1] = y;
  return Variant(xyz);
}

}  // namespace kelvo
