// The table routines against the one-scan reading of their tables, and the
// portable width mapping against the properties the conversions rely on.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "base/portable_locale.h"
#include "fuzz/fuzz_text.h"
#include "tools/zen_han.h"

namespace {

using Routine = void (*)(std::u16string&, const kelvo::MessagePump&);
using Table = std::span<const std::u16string_view>;

// At each position a two-unit source entry if one matches, else a one-unit
// entry, else the character itself.
std::u16string OneScan(std::u16string_view s, Table source, Table target) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t best = source.size();
    for (std::size_t k = 0; k < source.size(); ++k) {
      if (s.substr(i, source[k].size()) != source[k]) continue;
      if (best == source.size() || source[k].size() > source[best].size()) best = k;
    }
    if (best == source.size()) {
      out += s[i++];
    } else {
      out += target[best];
      i += source[best].size();
    }
  }
  return out;
}

void CheckRoutine(const std::u16string& text, Routine routine, Table source, Table target) {
  std::u16string s = text;
  std::size_t pumps = 0;
  routine(s, [&] { ++pumps; });
  FUZZ_CHECK(pumps == source.size());
  FUZZ_CHECK(s == OneScan(text, source, target));
}

bool InRange(char16_t c, char16_t first, char16_t last) {
  return c >= first && c <= last;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvo;
  const std::u16string text = fuzz::FuzzText(data, size);
  CheckRoutine(text, HanKanaToZen, HanKana, ZenKana);
  CheckRoutine(text, ZenKanaToHan, ZenKana, HanKana);
  CheckRoutine(text, HanDigitToZen, HanDigits, ZenDigits);
  CheckRoutine(text, ZenDigitToHan, ZenDigits, HanDigits);
  CheckRoutine(text, HanNumToZen, HanNumerals, ZenNumerals);
  CheckRoutine(text, ZenNumToHan, ZenNumerals, HanNumerals);
  CheckRoutine(text, HanAlphaToZen, HanAlphas, ZenAlphas);
  CheckRoutine(text, ZenAlphaToHan, ZenAlphas, HanAlphas);
  CheckRoutine(text, HanSymbolToZen, HanSymbols, ZenSymbols);
  CheckRoutine(text, ZenSymbolToHan, ZenSymbols, HanSymbols);

  const PortableLocale locale;
  std::u16string full = text;
  AllToZen(full, locale);
  for (char16_t c : full) FUZZ_CHECK(!InRange(c, 0x20, 0x7E) && !InRange(c, 0xFF61, 0xFF9F));
  std::u16string half = text;
  AllToHan(half, locale);
  for (char16_t c : half) FUZZ_CHECK(!InRange(c, 0xFF01, 0xFF5E) && c != 0x3000);
  // Going through full width first changes nothing about the half-width result.
  AllToHan(full, locale);
  FUZZ_CHECK(full == half);
  return 0;
}
