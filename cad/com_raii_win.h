#pragma once
// The COM owners live in base/ now that sim/ uses them too. This name stays
// for the files still including it (the shell, the demo, a benchmark).

#include "base/com_handles_win.h"
