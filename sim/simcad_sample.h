#pragma once
// The drawing simcad.exe starts with on /sample: a column of Japanese room
// names, a row of numbered tags, a few texts of other alignments and a line.

#include "sim/drawing.h"

namespace kelvo::sim {

void AddSampleDrawing(Drawing& drawing);

}  // namespace kelvo::sim
