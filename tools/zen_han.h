#pragma once
// Full-width (zen) / half-width (han) conversion of one line of text.
//
// The table routines convert one class of characters each, by index-aligned
// pairs of constant tables. They make one pass over the string per table entry
// and let the window process pending messages after every pass, so that the
// abort button stays clickable during a long line. The whole-string routines
// hand the text to the platform's locale mapping.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "base/locale.h"

namespace kelvo {

// Lets pending window messages be processed; supplied by the shell. An empty
// pump is allowed (tests, benchmarks).
using MessagePump = std::function<void()>;

// Each entry is one code unit, except the 26 voiced and semi-voiced entries at
// the head of HanKana (kana + U+FF9E or U+FF9F). They come first so that a kana
// with its sound mark is converted as one unit before the plain kana are.
inline constexpr std::array<std::u16string_view, 84> ZenKana = {
    u"ヴ", u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ", u"ザ", u"ジ", u"ズ", u"ゼ", u"ゾ", u"ダ",
    u"ヂ", u"ヅ", u"デ", u"ド", u"バ", u"ビ", u"ブ", u"ベ", u"ボ", u"パ", u"ピ", u"プ",
    u"ペ", u"ポ", u"ヲ", u"ァ", u"ィ", u"ゥ", u"ェ", u"ォ", u"ャ", u"ュ", u"ョ", u"ッ",
    u"ー", u"ア", u"イ", u"ウ", u"エ", u"オ", u"カ", u"キ", u"ク", u"ケ", u"コ", u"サ",
    u"シ", u"ス", u"セ", u"ソ", u"タ", u"チ", u"ツ", u"テ", u"ト", u"ナ", u"ニ", u"ヌ",
    u"ネ", u"ノ", u"ハ", u"ヒ", u"フ", u"ヘ", u"ホ", u"マ", u"ミ", u"ム", u"メ", u"モ",
    u"ヤ", u"ユ", u"ヨ", u"ラ", u"リ", u"ル", u"レ", u"ロ", u"ワ", u"ン", u"「", u"」",
};
inline constexpr std::array<std::u16string_view, 84> HanKana = {
    u"ｳﾞ", u"ｶﾞ", u"ｷﾞ", u"ｸﾞ", u"ｹﾞ", u"ｺﾞ", u"ｻﾞ", u"ｼﾞ", u"ｽﾞ", u"ｾﾞ", u"ｿﾞ", u"ﾀﾞ",
    u"ﾁﾞ", u"ﾂﾞ", u"ﾃﾞ", u"ﾄﾞ", u"ﾊﾞ", u"ﾋﾞ", u"ﾌﾞ", u"ﾍﾞ", u"ﾎﾞ", u"ﾊﾟ", u"ﾋﾟ", u"ﾌﾟ",
    u"ﾍﾟ", u"ﾎﾟ", u"ｦ",  u"ｧ",  u"ｨ",  u"ｩ",  u"ｪ",  u"ｫ",  u"ｬ",  u"ｭ",  u"ｮ",  u"ｯ",
    u"ｰ",  u"ｱ",  u"ｲ",  u"ｳ",  u"ｴ",  u"ｵ",  u"ｶ",  u"ｷ",  u"ｸ",  u"ｹ",  u"ｺ",  u"ｻ",
    u"ｼ",  u"ｽ",  u"ｾ",  u"ｿ",  u"ﾀ",  u"ﾁ",  u"ﾂ",  u"ﾃ",  u"ﾄ",  u"ﾅ",  u"ﾆ",  u"ﾇ",
    u"ﾈ",  u"ﾉ",  u"ﾊ",  u"ﾋ",  u"ﾌ",  u"ﾍ",  u"ﾎ",  u"ﾏ",  u"ﾐ",  u"ﾑ",  u"ﾒ",  u"ﾓ",
    u"ﾔ",  u"ﾕ",  u"ﾖ",  u"ﾗ",  u"ﾘ",  u"ﾙ",  u"ﾚ",  u"ﾛ",  u"ﾜ",  u"ﾝ",  u"｢",  u"｣",
};

inline constexpr std::array<std::u16string_view, 10> ZenDigits = {
    u"０", u"１", u"２", u"３", u"４", u"５", u"６", u"７", u"８", u"９",
};
inline constexpr std::array<std::u16string_view, 10> HanDigits = {
    u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9",
};

inline constexpr std::array<std::u16string_view, 14> ZenNumerals = {
    u"０", u"１", u"２", u"３", u"４", u"５", u"６",
    u"７", u"８", u"９", u"＋", u"－", u"．", u"，",
};
inline constexpr std::array<std::u16string_view, 14> HanNumerals = {
    u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"+", u"-", u".", u",",
};

inline constexpr std::array<std::u16string_view, 52> ZenAlphas = {
    u"Ａ", u"Ｂ", u"Ｃ", u"Ｄ", u"Ｅ", u"Ｆ", u"Ｇ", u"Ｈ", u"Ｉ", u"Ｊ", u"Ｋ", u"Ｌ", u"Ｍ",
    u"Ｎ", u"Ｏ", u"Ｐ", u"Ｑ", u"Ｒ", u"Ｓ", u"Ｔ", u"Ｕ", u"Ｖ", u"Ｗ", u"Ｘ", u"Ｙ", u"Ｚ",
    u"ａ", u"ｂ", u"ｃ", u"ｄ", u"ｅ", u"ｆ", u"ｇ", u"ｈ", u"ｉ", u"ｊ", u"ｋ", u"ｌ", u"ｍ",
    u"ｎ", u"ｏ", u"ｐ", u"ｑ", u"ｒ", u"ｓ", u"ｔ", u"ｕ", u"ｖ", u"ｗ", u"ｘ", u"ｙ", u"ｚ",
};
inline constexpr std::array<std::u16string_view, 52> HanAlphas = {
    u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"H", u"I", u"J", u"K", u"L", u"M",
    u"N", u"O", u"P", u"Q", u"R", u"S", u"T", u"U", u"V", u"W", u"X", u"Y", u"Z",
    u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l", u"m",
    u"n", u"o", u"p", u"q", u"r", u"s", u"t", u"u", u"v", u"w", u"x", u"y", u"z",
};

// The quotation marks pair with the curly forms a Japanese keyboard produces
// (” ’ ‘, never “), and the yen sign with the reverse solidus, which is how a
// Japanese code page shows it.
inline constexpr std::array<std::u16string_view, 33> ZenSymbols = {
    u"！", u"\u201D", u"＃", u"＄", u"％", u"＆",     u"\u2019", u"\u3000", u"（", u"）", u"＊",
    u"＋", u"，",     u"－", u"．", u"／", u"：",     u"；",     u"＜",     u"＝", u"＞", u"？",
    u"＠", u"［",     u"］", u"＾", u"＿", u"\u2018", u"｛",     u"｝",     u"｜", u"～", u"\uFFE5",
};
inline constexpr std::array<std::u16string_view, 33> HanSymbols = {
    u"!", u"\"", u"#", u"$", u"%", u"&", u"'", u" ", u"(", u")", u"*",
    u"+", u",",  u"-", u".", u"/", u":", u";", u"<", u"=", u">", u"?",
    u"@", u"[",  u"]", u"^", u"_", u"`", u"{", u"}", u"|", u"~", u"\\",
};

void HanKanaToZen(std::u16string& s, const MessagePump& pump);
void ZenKanaToHan(std::u16string& s, const MessagePump& pump);
void HanDigitToZen(std::u16string& s, const MessagePump& pump);
void ZenDigitToHan(std::u16string& s, const MessagePump& pump);
void HanNumToZen(std::u16string& s, const MessagePump& pump);
void ZenNumToHan(std::u16string& s, const MessagePump& pump);
void HanAlphaToZen(std::u16string& s, const MessagePump& pump);
void ZenAlphaToHan(std::u16string& s, const MessagePump& pump);
void HanSymbolToZen(std::u16string& s, const MessagePump& pump);
void ZenSymbolToHan(std::u16string& s, const MessagePump& pump);

// Whatever the platform maps to full / half width. A failing platform mapping
// leaves the text as it was.
void AllToZen(std::u16string& s, const Locale& locale);
void AllToHan(std::u16string& s, const Locale& locale);

}  // namespace kelvo
