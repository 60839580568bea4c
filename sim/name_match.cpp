#include "sim/name_match.h"

#include <algorithm>

#include "base/text.h"

namespace kelvo::sim {
namespace {

char16_t FoldAscii(char16_t c) {
  return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) {
  return EqualsIgnoringAsciiCase(a, b);
}

bool StartsWithName(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

std::u16string UpperAscii(std::u16string_view text) {
  std::u16string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), FoldAscii);
  return upper;
}

}  // namespace kelvo::sim
