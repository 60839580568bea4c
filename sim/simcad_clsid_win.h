#pragma once
// The class id simcad.exe registers its application under. Each ProgID gets
// its own, so that simulated CADs started for different ProgIDs stand side by
// side in the running object table.

#include <windows.h>

#include <string_view>

namespace kelvo::sim {

// {A374093C-0C79-430E-....-............}: the first three fields are fixed,
// the last eight bytes follow from the ProgID, without regard to case.
CLSID SimCadClsid(std::wstring_view progId);

}  // namespace kelvo::sim
