#pragma once
// Member, selection set and DXF names are ASCII and compared without regard
// to case, as the CAD's dispatch and its tables do.

#include <string>
#include <string_view>

namespace kelvo::sim {

bool SameName(std::u16string_view a, std::u16string_view b);
bool StartsWithName(std::u16string_view text, std::u16string_view prefix);
std::u16string UpperAscii(std::u16string_view text);

}  // namespace kelvo::sim
