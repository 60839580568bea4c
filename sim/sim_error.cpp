#include "sim/sim_error.h"

#include <string>

#include "base/error.h"

namespace kelvo::sim {

void RaiseError(std::u16string_view member, std::u16string_view reason) {
  std::u16string text(member);
  text += u": ";
  text += reason;
  throw Error(std::move(text));
}

}  // namespace kelvo::sim
