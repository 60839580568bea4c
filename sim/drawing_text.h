#pragma once
// The drawing as text, for tests that reach the simulated CAD across a process
// boundary. One live entity per line, each line ending in "\n", fields
// separated by tabs:
//   id  handle  kind  text  alignment  insX  insY  insZ  alnX  alnY  alnZ  layer
// id and alignment in decimal; kind the EntityName ("AcDbText"); coordinates
// in the shortest form that reads back to the same double; in text and layer
// a backslash, tab, CR and LF are written as \\, \t, \r and \n.

#include <string>
#include <string_view>
#include <vector>

#include "sim/drawing.h"

namespace kelvo::sim {

std::u16string DrawingText(const Drawing& drawing);
// The inverse, for test drivers; raises on a line it cannot read.
std::vector<Entity> ParseDrawingText(std::u16string_view text);

std::u16string FormatCoordinate(double value);

}  // namespace kelvo::sim
