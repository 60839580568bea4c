#pragma once
// What the user reads for the statuses of COM calls into the CAD that they
// meet, where the system has no text of its own for them: what happened and
// what to do, followed by the code.

#include <cstdint>
#include <optional>
#include <string>

namespace kelvo {

// The status as "エラー 0x800401F3".
std::u16string StatusCodeText(std::uint32_t status);

// A sentence for the statuses a user meets (no such ProgID, the CAD not
// running or not registered, the CAD gone away, the call rejected, a member
// not found, an exception in the CAD), followed by the code; nullopt for any
// other status.
std::optional<std::u16string> FriendlyStatusText(std::uint32_t status);

}  // namespace kelvo
