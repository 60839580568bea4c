#pragma once
// What persists between runs: the window position, the target ProgID and the
// coordinate-order option.

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/profile.h"
#include "ui/widgets.h"
#include "ui/window.h"

namespace kelvo {

// Decimal with optional sign, or hexadecimal after "0x", "0X" or "$"; values
// outside the 32-bit range are not integers.
std::optional<std::int32_t> ParseProfileInteger(std::u16string_view text);

void ReadSettings(Profile& profile, Window& mainWindow, CheckBox& sortOption);
void WriteSettings(Profile& profile, const Window& mainWindow, const CheckBox& sortOption);

}  // namespace kelvo
