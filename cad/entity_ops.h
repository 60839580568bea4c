#pragma once
// Entity operations update and align share.

#include <cstdint>

#include "cad/kelvo.h"
#include "cad/variant.h"

namespace kelvo {

ObjectRef ObjectIdToObject(const ObjectRef& doc, std::int64_t objId);

// Reaches the entity of the last live entry. Returns true as soon as a live
// entry is met from the end, whether or not its entity could be reached;
// `entity` changes only when it was.
bool FindLastLiveEntity(const ObjectRef& doc, ObjectRef& entity);

// A copy of the copy source; raises when there is none.
ObjectRef CopyOf(const ObjectRef& source);

// Places a text by its anchor: the insertion point when left aligned, else
// the alignment point.
void WriteAnchor(const ObjectRef& entity, std::int32_t alignment, const Variant& point);

// Erases an entity the program just made and could not set up, so that no
// untracked text stays behind; a failure here is left to the first one.
void DiscardCopy(const ObjectRef& entity) noexcept;

// The stored point moved to X, Y; Z stays (0 for an entry that had no point).
Variant MovedPoint(const Variant& point, double x, double y);

}  // namespace kelvo
