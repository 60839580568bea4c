#pragma once

#include <cstdint>

namespace kelvo {

// A top-level window, as the platform's handle value.
using WindowHandle = std::int64_t;

}  // namespace kelvo
