#include "cad/entity_ops.h"

#include "base/error.h"
#include "cad/automation.h"

namespace kelvo {
namespace {

DoubleArray Coordinates(const Variant& point) {
  DoubleArray xyz{0, 0, 0};
  if (const auto* p = point.Get<DoubleArray>(); p != nullptr) {
    for (std::size_t i = 0; i < 3 && i < p->size(); ++i) xyz[i] = (*p)[i];
  }
  return xyz;
}

}  // namespace

ObjectRef ObjectIdToObject(const ObjectRef& doc, std::int64_t objId) {
  Arg id{Variant(objId), true};
  return Call(doc, u"ObjectIdToObject", std::span<Arg>(&id, 1)).ToObject();
}

bool FindLastLiveEntity(const ObjectRef& doc, ObjectRef& entity, std::int64_t* objId) {
  for (auto i = EntityList.size(); i-- > 0;) {
    if (EntityList[i].objId == 0) continue;
    try {
      entity = ObjectIdToObject(doc, EntityList[i].objId);
      if (objId != nullptr) *objId = EntityList[i].objId;
    } catch (const Error&) {
      // Erased since the fetch: the search ends here all the same.
    }
    return true;
  }
  return false;
}

bool CopySource::Ensure(const ObjectRef& doc) {
  return present_ || Find(doc);
}

bool CopySource::Find(const ObjectRef& doc) {
  present_ = FindLastLiveEntity(doc, entity_, &objId_);
  return present_;
}

void CopySource::Set(ObjectRef entity, std::int64_t objId) {
  entity_ = std::move(entity);
  objId_ = objId;
  present_ = true;
}

void CopySource::Forget(std::int64_t objId) {
  if (!present_ || objId != objId_) return;
  entity_.reset();
  objId_ = 0;
  present_ = false;
}

ObjectRef CopySource::Copy() const {
  if (!entity_) throw Error(u"コピー元の TEXT がありません");
  return Get(entity_, u"Copy").ToObject();
}

void WriteAnchor(const ObjectRef& entity, std::int32_t alignment, const Variant& point) {
  if (!HasTwoPoints(alignment)) {
    Put(entity, alignment == 0 ? u"InsertionPoint" : u"TextAlignmentPoint", point, true);
    return;
  }
  DoubleArray end = Coordinates(Get(entity, u"TextAlignmentPoint"));
  DoubleArray start = Coordinates(Get(entity, u"InsertionPoint"));
  DoubleArray target = Coordinates(point);
  DoubleArray newStart = start;
  for (std::size_t i = 0; i < 3; ++i) newStart[i] += target[i] - end[i];
  // The two points may not meet even between the two writes: move first the
  // end that does not land on the other's current place.
  if (newStart == end) {
    Put(entity, u"TextAlignmentPoint", Variant(target), true);
    Put(entity, u"InsertionPoint", Variant(newStart), true);
  } else {
    Put(entity, u"InsertionPoint", Variant(newStart), true);
    Put(entity, u"TextAlignmentPoint", Variant(target), true);
  }
}

void DiscardCopy(const ObjectRef& entity) noexcept {
  try {
    Get(entity, u"Delete");
  } catch (...) {
    // The CAD refuses even this; the failure that brought us here is reported.
  }
}

Variant MovedPoint(const Variant& point, double x, double y) {
  DoubleArray xyz = Coordinates(point);
  xyz[0] = x;
  xyz[1] = y;
  return Variant(xyz);
}

}  // namespace kelvo
