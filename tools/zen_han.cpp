#include "tools/zen_han.h"

#include <cstddef>
#include <span>
#include <utility>

namespace kelvo {
namespace {

template <std::size_t N>
constexpr bool NoEmptyEntry(const std::array<std::u16string_view, N>& table) {
  for (auto entry : table) {
    if (entry.empty()) return false;
  }
  return true;
}

// An empty source entry would match everywhere and never advance.
static_assert(NoEmptyEntry(ZenKana) && NoEmptyEntry(HanKana) && NoEmptyEntry(ZenDigits) &&
              NoEmptyEntry(HanDigits) && NoEmptyEntry(ZenNumerals) && NoEmptyEntry(HanNumerals) &&
              NoEmptyEntry(ZenAlphas) && NoEmptyEntry(HanAlphas) && NoEmptyEntry(ZenSymbols) &&
              NoEmptyEntry(HanSymbols));

// Left to right, non-overlapping, inserted text is not searched again.
void ReplaceAll(std::u16string& s, std::u16string_view from, std::u16string_view to) {
  std::size_t pos = s.find(from);
  if (pos == std::u16string::npos) return;
  if (from.size() == to.size()) {
    for (; pos != std::u16string::npos; pos = s.find(from, pos + from.size())) {
      s.replace(pos, from.size(), to);
    }
    return;
  }
  std::u16string out;
  out.reserve(to.size() > from.size()
                  ? s.size() + s.size() / from.size() * (to.size() - from.size())
                  : s.size());
  std::size_t start = 0;
  for (; pos != std::u16string::npos; pos = s.find(from, start)) {
    out.append(s, start, pos - start);
    out.append(to);
    start = pos + from.size();
  }
  out.append(s, start);
  s.swap(out);
}

void ConvertByTable(std::u16string& s, std::span<const std::u16string_view> source,
                    std::span<const std::u16string_view> target, const MessagePump& pump) {
  for (std::size_t i = 0; i < source.size(); ++i) {
    ReplaceAll(s, source[i], target[i]);
    if (pump) pump();
  }
}

}  // namespace

void HanKanaToZen(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, HanKana, ZenKana, pump);
}
void ZenKanaToHan(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, ZenKana, HanKana, pump);
}
void HanDigitToZen(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, HanDigits, ZenDigits, pump);
}
void ZenDigitToHan(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, ZenDigits, HanDigits, pump);
}
void HanNumToZen(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, HanNumerals, ZenNumerals, pump);
}
void ZenNumToHan(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, ZenNumerals, HanNumerals, pump);
}
void HanAlphaToZen(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, HanAlphas, ZenAlphas, pump);
}
void ZenAlphaToHan(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, ZenAlphas, HanAlphas, pump);
}
void HanSymbolToZen(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, HanSymbols, ZenSymbols, pump);
}
void ZenSymbolToHan(std::u16string& s, const MessagePump& pump) {
  ConvertByTable(s, ZenSymbols, HanSymbols, pump);
}

void AllToZen(std::u16string& s, const Locale& locale) {
  if (s.empty()) return;
  if (auto mapped = locale.MapWidth(s, Locale::Width::Full)) s = std::move(*mapped);
}

void AllToHan(std::u16string& s, const Locale& locale) {
  if (s.empty()) return;
  if (auto mapped = locale.MapWidth(s, Locale::Width::Half)) s = std::move(*mapped);
}

}  // namespace kelvo
