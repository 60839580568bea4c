#pragma once
// Turns fuzzer bytes into UTF-16 text. An odd first byte takes the rest as raw
// UTF-16LE; otherwise each byte picks from the characters the text routines
// care about, so that short inputs reach the interesting cases quickly.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that must hold; names its line when it does not.
#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                        \
    }                                                                      \
  } while (false)

namespace kelvo::fuzz {

inline std::u16string FuzzText(const std::uint8_t* data, std::size_t size) {
  using namespace std::string_view_literals;
  static constexpr std::u16string_view kAlphabet =
      u"0123456789+-.,$ \t\r\nAaFfGgxz"
      u"ｶﾊｳﾜｦｱﾝﾞﾟｰ｢｣･ガパヴーア「」゛゜"
      u"０９＋－．，Ａｚ！＂”’‘￥\\\"'`\u3000¥あ漢“\uFF3C"
      u"\xD800\xDC00\x0000\uFFFF"sv;
  std::u16string text;
  if (size == 0) return text;
  if (data[0] & 1) {
    for (std::size_t i = 1; i + 1 < size; i += 2) {
      text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
  } else {
    for (std::size_t i = 1; i < size; ++i) text += kAlphabet[data[i] % kAlphabet.size()];
  }
  return text;
}

}  // namespace kelvo::fuzz
