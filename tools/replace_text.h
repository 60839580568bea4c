#pragma once
// Search and replace within one line of text.

#include <string>
#include <string_view>

#include "base/locale.h"

namespace kelvo {

// Replaces every occurrence of search in line, left to right: occurrences do
// not overlap, and text a replacement inserted is not searched again. The
// replacement goes in exactly as typed. With caseBlind, line and search are
// compared as caseBlind->ToUpper maps them; the line keeps its own letters
// outside the replaced occurrences. An empty search leaves the line unchanged.
std::u16string ReplaceInLine(std::u16string_view line, std::u16string_view search,
                             std::u16string_view replacement, const Locale* caseBlind);

}  // namespace kelvo
