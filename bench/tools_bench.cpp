// Width conversion over a 100,000-line text of 40 characters a line, converted
// line by line as the editor commands do. The table routines make one pass per
// table entry (84 for katakana); "x_AllToZen" sets each against the single pass
// of the whole-string mapping measured first, in processor time.

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "base/portable_locale.h"
#include "tools/zen_han.h"

namespace kelvo {
namespace {

constexpr std::size_t kLines = 100000;
constexpr std::size_t kLineLength = 40;

// CAD room and part labels in half-width kana, ASCII and kanji.
const std::vector<std::u16string>& HanText() {
  static const std::vector<std::u16string> lines = [] {
    const std::u16string source =
        u"ﾊﾟﾈﾙ W=1200 ｶﾞﾗｽ 会議室101 ｺﾝｸﾘｰﾄ t=150 ﾀﾞｸﾄ φ200 ﾎﾞｲﾗｰ室 "
        u"ｴﾚﾍﾞｰﾀｰ EV-2 ﾃﾞｯｷ H=2400 ﾌﾟﾚｰﾄ PL-9 階段B ｽﾍﾟｰｽ";
    std::u16string doubled = source + source;
    std::vector<std::u16string> result;
    result.reserve(kLines);
    for (std::size_t i = 0; i < kLines; ++i) {
      result.push_back(doubled.substr(i * 7 % source.size(), kLineLength));
    }
    return result;
  }();
  return lines;
}

// The same text after HanKanaToZen, for the routines that go the other way.
const std::vector<std::u16string>& ZenText() {
  static const std::vector<std::u16string> lines = [] {
    std::vector<std::u16string> result = HanText();
    for (auto& line : result) HanKanaToZen(line, {});
    return result;
  }();
  return lines;
}

double allToZenNanosPerText = 0;  // set by the AllToZen benchmark, which runs first

template <typename Convert>
void ConvertText(benchmark::State& state, const std::vector<std::u16string>& lines, Convert convert,
                 bool isReference) {
  std::size_t iterations = 0;
  // Processor time, so that other work on the machine does not skew the ratio.
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    for (const auto& line : lines) {
      std::u16string s = line;
      convert(s);
      benchmark::DoNotOptimize(s.data());
    }
    ++iterations;
  }
  const double nanos = 1e9 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC /
                       static_cast<double>(iterations);
  state.SetItemsProcessed(static_cast<std::int64_t>(iterations * lines.size()));
  std::size_t units = 0;
  for (const auto& line : lines) units += line.size();
  state.SetBytesProcessed(static_cast<std::int64_t>(iterations * units * sizeof(char16_t)));
  if (isReference) {
    allToZenNanosPerText = nanos;
  } else if (allToZenNanosPerText > 0) {
    state.counters["x_AllToZen"] = nanos / allToZenNanosPerText;
  }
}

const MessagePump kNoMessages = [] {};

void BM_AllToZen(benchmark::State& state) {
  PortableLocale locale;
  ConvertText(
      state, HanText(), [&](std::u16string& s) { AllToZen(s, locale); }, true);
}
void BM_AllToHan(benchmark::State& state) {
  PortableLocale locale;
  ConvertText(
      state, ZenText(), [&](std::u16string& s) { AllToHan(s, locale); }, false);
}
void BM_HanKanaToZen(benchmark::State& state) {
  ConvertText(
      state, HanText(), [](std::u16string& s) { HanKanaToZen(s, kNoMessages); }, false);
}
void BM_ZenKanaToHan(benchmark::State& state) {
  ConvertText(
      state, ZenText(), [](std::u16string& s) { ZenKanaToHan(s, kNoMessages); }, false);
}
void BM_HanAlphaToZen(benchmark::State& state) {
  ConvertText(
      state, HanText(), [](std::u16string& s) { HanAlphaToZen(s, kNoMessages); }, false);
}
void BM_HanSymbolToZen(benchmark::State& state) {
  ConvertText(
      state, HanText(), [](std::u16string& s) { HanSymbolToZen(s, kNoMessages); }, false);
}

BENCHMARK(BM_AllToZen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllToHan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HanKanaToZen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZenKanaToHan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HanAlphaToZen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HanSymbolToZen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo
