#pragma once
// Laying the fetched texts out on a row at the pitch.

#include "cad/command_view.h"
#include "cad/variant.h"

namespace kelvo {

// Places entry i at i × (dX, dY) from the first entry's point, writing line i
// into it; adds texts for lines past the list and deletes the texts of entries
// past the data lines. Raises on a failure that ends the run.
void RunAlignPass(const ObjectRef& doc, CommandView& view);

}  // namespace kelvo
