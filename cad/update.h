#pragma once
// Writing the editor's lines back into the drawing.

#include "cad/command_view.h"
#include "cad/variant.h"

namespace kelvo {

inline constexpr char16_t kZeroPitchAddMessage[] = u"dX, dY が 0 のため、追加を中止しました．";

// Pairs lines with entries and writes, deletes and copies texts; then makes
// copies for the lines past the list. Raises on a failure that ends the run.
// The caller resizes the list and regenerates the drawing afterwards.
void RunUpdatePasses(const ObjectRef& doc, CommandView& view);

// Brings the list to the data line count: entries past it are cut off, and
// missing ones are appended as empty slots without a point.
void ResizeEntityList(int count);

}  // namespace kelvo
