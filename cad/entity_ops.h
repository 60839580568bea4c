#pragma once
// Entity operations update and align share.

#include <cstdint>

#include "cad/kelvo.h"
#include "cad/variant.h"

namespace kelvo {

ObjectRef ObjectIdToObject(const ObjectRef& doc, std::int64_t objId);

// Reaches the entity of the last live entry. Returns true as soon as a live
// entry is met from the end, whether or not its entity could be reached;
// `entity` (and `objId`, when given) change only when it was.
bool FindLastLiveEntity(const ObjectRef& doc, ObjectRef& entity, std::int64_t* objId = nullptr);

// The text that copies are made from during one run, with the id of its
// entity, so that a source deleted later in the same run is let go of and the
// next copy finds a live one again.
class CopySource {
 public:
  // True when a source is present; looks for the last live entry's entity
  // when none is.
  bool Ensure(const ObjectRef& doc);
  // Looks again, whatever is present.
  bool Find(const ObjectRef& doc);
  void Set(ObjectRef entity, std::int64_t objId);
  // The entity with this id was deleted.
  void Forget(std::int64_t objId);
  // A copy of the source; raises when there is none.
  ObjectRef Copy() const;

 private:
  ObjectRef entity_;
  std::int64_t objId_ = 0;
  bool present_ = false;
};

// Aligned (3) and fit (5) texts lie between their insertion point and their
// alignment point, and the CAD keeps both.
inline bool HasTwoPoints(std::int32_t alignment) {
  return alignment == 3 || alignment == 5;
}

// Places a text by its anchor: the insertion point when left aligned, else
// the alignment point. An aligned or fitted text moves both of its points by
// the same offset, so that it keeps its length and angle instead of being
// stretched.
void WriteAnchor(const ObjectRef& entity, std::int32_t alignment, const Variant& point);

// Erases an entity the program just made and could not set up, so that no
// untracked text stays behind; a failure here is left to the first one.
void DiscardCopy(const ObjectRef& entity) noexcept;

// The stored point moved to X, Y; Z stays (0 for an entry that had no point).
Variant MovedPoint(const Variant& point, double x, double y);

}  // namespace kelvo
