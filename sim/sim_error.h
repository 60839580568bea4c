#pragma once
// Every failure of the simulated CAD names the member that failed, as the
// description a real CAD puts into its exception info: "Member: reason".

#include <string_view>

namespace kelvo::sim {

[[noreturn]] void RaiseError(std::u16string_view member, std::u16string_view reason);

}  // namespace kelvo::sim
