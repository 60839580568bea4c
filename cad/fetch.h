#pragma once
// Picking TEXT entities in the CAD into records.

#include <optional>
#include <vector>

#include "cad/kelvo.h"

namespace kelvo {

// Lets the user pick texts in the active document through the temporary set
// "ssTemp" and reads one record per pick; nullopt when nothing was picked.
// The set is emptied and deleted on every path. A pick that is not a single-line
// text gives an empty record (no entity, no point).
std::optional<std::vector<Kelvo>> PickTexts(const ObjectRef& app);

// Reads one text entity into a record.
Kelvo ReadTextRecord(const ObjectRef& entity, std::int32_t index);

}  // namespace kelvo
