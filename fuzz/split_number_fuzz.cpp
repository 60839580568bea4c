// SplitNumber: the three parts rebuild the trimmed line, the number is one
// whole digit run, and it is the first run from the head or the last from the tail.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/text.h"
#include "fuzz/fuzz_text.h"
#include "tools/number_text.h"

namespace {

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool HasDigit(std::u16string_view s) {
  for (char16_t c : s) {
    if (IsDigit(c)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string line = kelvo::fuzz::FuzzText(data, size);
  const std::u16string_view trimmed = kelvo::Trim(line);
  for (bool fromTail : {false, true}) {
    kelvo::NumberSplit s = kelvo::SplitNumber(line, fromTail);
    FUZZ_CHECK(s.prefix + s.number + s.suffix == trimmed);
    for (char16_t c : s.number) FUZZ_CHECK(IsDigit(c));
    FUZZ_CHECK(s.number.empty() == !HasDigit(trimmed));
    if (s.number.empty()) {
      FUZZ_CHECK((fromTail ? s.suffix : s.prefix) == trimmed);
      continue;
    }
    // A whole run: no digit right before or after it.
    FUZZ_CHECK(s.prefix.empty() || !IsDigit(s.prefix.back()));
    FUZZ_CHECK(s.suffix.empty() || !IsDigit(s.suffix.front()));
    FUZZ_CHECK(!HasDigit(fromTail ? std::u16string_view(s.suffix) : std::u16string_view(s.prefix)));
  }
  return 0;
}
