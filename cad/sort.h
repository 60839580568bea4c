#pragma once

#include <cstdint>
#include <vector>

#include "cad/kelvo.h"

namespace kelvo {

// Orders fetched entries by position: 0 = X ascending, 1 = Y descending,
// 3 or more = the axis with the larger spread (Y when equal); other modes
// leave the list alone. The exchange order is kept exactly, so entries with
// equal keys come out as the users of earlier versions saw them.
void SortByCoordinates(std::vector<Kelvo>& list, std::int32_t mode);

}  // namespace kelvo
