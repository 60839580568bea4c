#pragma once
// Integers to and from decimal, hexadecimal and octal digit text, and the number
// inside a line. Values are 32-bit signed; where arithmetic leaves that range
// it wraps modulo 2^32. Only ASCII digits are digits: full-width ones never are.
// Failed strict reads raise ConversionError naming the offending text.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// The base the numbering tools read and write their numbers in.
enum class Radix { Decimal, Hexadecimal, Octal };
// How the dialogs name the chosen radix: u"10進", u"16進", u" 8進".
std::u16string_view RadixCaption(Radix radix);

// base multiplied into 1, exponent times (wrapping); 1 when exponent <= 0.
std::int32_t PowInt(std::int32_t base, std::int32_t exponent);

// Reads each character as a decimal digit of an octal number: "17" is 15, "9"
// is 9 (test with IsOctalText first where 8 and 9 must be refused), "" is 0.
// A non-digit raises ConversionError naming that one character.
std::int32_t OctalTextToInt(std::u16string_view text);

// Octal digits of value, zero-padded to width; 0 gives width zeros ("" for
// width <= 0). A negative value is written as "-" and the octal digits of its
// magnitude (INT32_MIN is "-20000000000"); the zeros go between the sign and
// the digits, the sign counting towards width: (-8, 4) is "-010".
std::u16string IntToOctalText(std::int32_t value, std::int32_t width);

struct NumberSplit {
  std::u16string prefix;
  std::u16string number;
  std::u16string suffix;
};
// Trims the line (codes up to U+0020) and splits it around its first digit run,
// or its last one when fromTail. prefix + number + suffix is the trimmed line.
// Without a digit the whole line is the prefix (from the head) or the suffix
// (from the tail).
NumberSplit SplitNumber(std::u16string_view line, bool fromTail);

// Every character is in "01234567" / "0123456789ABCDEFabcdef"; true for "".
bool IsOctalText(std::u16string_view text);
bool IsHexText(std::u16string_view text);

// "0"s in front until the whole text (a sign included) is width long.
std::u16string PadLeftZeros(std::u16string_view text, std::int32_t width);

// Upper-case hex digits of value as unsigned 32 bits, at least width of them:
// (255, 2) is "FF", (-1, 2) is "FFFFFFFF", (0, 0) is "0".
std::u16string IntToHexText(std::int32_t value, std::int32_t width);

// Hex digits, either case, at most 8 significant ones; 80000000 and above are
// the negative numbers with those bits. Otherwise (empty text included) raises
// ConversionError naming "$" + text.
std::int32_t HexTextToInt(std::u16string_view text);

// Decimal readers. Accepted: optional blanks (codes up to U+0020) before and
// after, an optional "+" or "-", then one or more ASCII digits (leading zeros
// allowed) with a value in the 32-bit range. Nothing else: no blanks between
// sign and digits, no "$" or "0x", no separators, no full-width digits.
// StrToInt raises ConversionError naming the text as given; StrToIntDef
// returns fallback instead.
std::int32_t StrToInt(std::u16string_view text);
std::int32_t StrToIntDef(std::u16string_view text, std::int32_t fallback);

}  // namespace kelvo
