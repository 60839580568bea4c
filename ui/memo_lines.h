#pragma once
// Line counts of the editor as the commands see them.

#include "ui/widgets.h"

namespace kelvo {

// The lines of a line list: an empty last line after a final break is not one,
// so an empty editor has none.
int EditorLineCount(const Memo& memo);

// The lines up to and including the last one that is not blank.
int CountDataLines(const Memo& memo);

}  // namespace kelvo
