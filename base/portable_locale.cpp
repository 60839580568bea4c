#include "base/portable_locale.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kelvo {
namespace {

constexpr char16_t kFirstHalfKana = 0xFF61;   // ｡
constexpr char16_t kVoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F;  // ﾟ

// Full-width forms of U+FF61..U+FF9F, in code order.
constexpr std::array<char16_t, 63> kHalfKanaToFull = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5,  // ｡｢｣､･ｦｧｨｩ
    0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4,  // ｪｫｬｭｮｯｰｱｲ
    0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5,  // ｳｴｵｶｷｸｹｺｻ
    0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8,  // ｼｽｾｿﾀﾁﾂﾃﾄ
    0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8,  // ﾅﾆﾇﾈﾉﾊﾋﾌﾍ
    0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8,  // ﾎﾏﾐﾑﾒﾓﾔﾕﾖ
    0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,  // ﾗﾘﾙﾚﾛﾜﾝﾞﾟ
};

// Latin-1 and other signs with a full-width form at U+FFE0..U+FFE6.
constexpr std::array<char16_t, 7> kNarrowSigns = {0x00A2, 0x00A3, 0x00AC, 0x00AF,
                                                  0x00A6, 0x00A5, 0x20A9};

constexpr bool IsHalfKana(char16_t c) {
  return c >= kFirstHalfKana && c <= kSemiVoicedMark;
}

constexpr bool InRange(char16_t c, char16_t first, char16_t last) {
  return c >= first && c <= last;
}

// The one full-width kana a half-width kana and a sound mark stand for; 0 if none.
constexpr char16_t Combine(char16_t kana, char16_t mark) {
  if (!IsHalfKana(kana)) return 0;
  char16_t full = kHalfKanaToFull[kana - kFirstHalfKana];
  bool ha_row = InRange(kana, 0xFF8A, 0xFF8E);  // ﾊ..ﾎ
  if (mark == kSemiVoicedMark) return ha_row ? full + 2 : 0;
  if (mark != kVoicedMark) return 0;
  if (ha_row || InRange(kana, 0xFF76, 0xFF84)) return full + 1;  // ｶ..ﾄ
  if (kana == 0xFF73) return 0x30F4;                             // ｳﾞ ヴ
  if (kana == 0xFF9C) return 0x30F7;                             // ﾜﾞ ヷ
  if (kana == 0xFF66) return 0x30FA;                             // ｦﾞ ヺ
  return 0;
}

// Half-width forms of U+3000..U+30FF: up to two code units, 0 when there is none.
using HalfForm = std::array<char16_t, 2>;
constexpr std::array<HalfForm, 256> MakeCjkToHalf() {
  std::array<HalfForm, 256> table{};
  table[0] = {u' ', 0};
  table[0x99] = {kVoicedMark, 0};  // combining marks
  table[0x9A] = {kSemiVoicedMark, 0};
  for (char16_t kana = kFirstHalfKana; kana <= kSemiVoicedMark; ++kana) {
    table[kHalfKanaToFull[kana - kFirstHalfKana] - 0x3000] = {kana, 0};
    for (char16_t mark : {kVoicedMark, kSemiVoicedMark}) {
      if (char16_t full = Combine(kana, mark)) table[full - 0x3000] = {kana, mark};
    }
  }
  return table;
}
constexpr std::array<HalfForm, 256> kCjkToHalf = MakeCjkToHalf();

void AppendFull(std::u16string& out, std::u16string_view text, std::size_t& i) {
  char16_t c = text[i];
  if (c == u' ') {
    out += char16_t{0x3000};
  } else if (InRange(c, 0x21, 0x7E)) {
    out += static_cast<char16_t>(c + 0xFEE0);
  } else if (c == 0x2985 || c == 0x2986) {
    out += static_cast<char16_t>(c - 0x2985 + 0xFF5F);
  } else if (IsHalfKana(c)) {
    char16_t combined = i + 1 < text.size() ? Combine(c, text[i + 1]) : 0;
    if (combined != 0) {
      out += combined;
      ++i;
    } else {
      out += kHalfKanaToFull[c - kFirstHalfKana];
    }
  } else {
    for (std::size_t k = 0; k < kNarrowSigns.size(); ++k) {
      if (c == kNarrowSigns[k]) {
        out += static_cast<char16_t>(0xFFE0 + k);
        return;
      }
    }
    out += c;
  }
}

void AppendHalf(std::u16string& out, char16_t c) {
  if (InRange(c, 0x3000, 0x30FF) && kCjkToHalf[c - 0x3000][0] != 0) {
    const HalfForm& form = kCjkToHalf[c - 0x3000];
    out += form[0];
    if (form[1] != 0) out += form[1];
  } else if (InRange(c, 0xFF01, 0xFF5E)) {
    out += static_cast<char16_t>(c - 0xFEE0);
  } else if (c == 0xFF5F || c == 0xFF60) {
    out += static_cast<char16_t>(c - 0xFF5F + 0x2985);
  } else if (InRange(c, 0xFFE0, 0xFFE6)) {
    out += kNarrowSigns[c - 0xFFE0];
  } else if (c == 0x2018 || c == 0x2019) {
    out += u'\'';
  } else if (c == 0x201C || c == 0x201D) {
    out += u'"';
  } else {
    out += c;
  }
}

}  // namespace

std::optional<std::u16string> PortableLocale::MapWidth(std::u16string_view text,
                                                       Width width) const {
  std::u16string out;
  if (width == Width::Full) {
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) AppendFull(out, text, i);
  } else {
    out.reserve(text.size() + text.size() / 4);
    for (char16_t c : text) AppendHalf(out, c);
  }
  return out;
}

namespace {

char16_t UpperOf(char16_t c) {
  if (InRange(c, u'a', u'z') || InRange(c, 0xE0, 0xFE) || InRange(c, 0x3B1, 0x3C9) ||
      InRange(c, 0x430, 0x44F)) {
    if (c == 0xF7 || c == 0x3C2) return c;  // ÷ and the final sigma have no capital
    return static_cast<char16_t>(c - 0x20);
  }
  if (c == 0xFF) return 0x178;
  if (InRange(c, 0x450, 0x45F)) return static_cast<char16_t>(c - 0x50);
  if (InRange(c, 0xFF41, 0xFF5A)) return static_cast<char16_t>(c - 0x20);
  return c;
}

}  // namespace

std::u16string PortableLocale::ToUpper(std::u16string_view text) const {
  std::u16string upper(text);
  for (char16_t& c : upper) c = UpperOf(c);
  return upper;
}

int PortableLocale::CompareNoCase(std::u16string_view a, std::u16string_view b) const {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = UpperOf(a[i]);
    char16_t y = UpperOf(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::u16string PortableLocale::FromAnsi(std::string_view bytes) const {
  std::u16string text;
  text.reserve(bytes.size());
  for (char b : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(b));
  return text;
}

std::optional<std::string> PortableLocale::ToAnsi(std::u16string_view text) const {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) {
    if (c > 0xFF) return std::nullopt;
    bytes += static_cast<char>(c);
  }
  return bytes;
}

}  // namespace kelvo
