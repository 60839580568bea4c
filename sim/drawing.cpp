#include "sim/drawing.h"
