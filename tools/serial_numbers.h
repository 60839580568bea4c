#pragma once
// Lines of serial numbers: fixed text, a number counting up (or down) by a
// step, and fixed text after it, in decimal, hexadecimal or octal.
//
// The number of line k is start + k * step, written as wide as the start was
// typed, zero-padded. Decimal numbers are counted in 64 bits and never wrap;
// hexadecimal and octal ones wrap in 32 bits as the number writers hold them.
// ASCII letters are upper-cased in every line, full-width ones are not.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/number_text.h"

namespace kelvo {

struct SerialSettings {
  std::u16string prefix;  // fixed text before the number
  std::u16string start;   // the first number as typed, in the radix; empty for fixed text only
  std::u16string suffix;  // fixed text after the number
  std::u16string step;    // decimal, read leniently: anything unreadable is 0
  std::u16string count;   // decimal, read strictly
  Radix radix = Radix::Decimal;
};

// The most lines one request makes; more would swamp the edit control.
inline constexpr std::int32_t kMaxSerialLines = 100000;

// Every value is read before any line is made: the start, the step, then the
// count, so that the first bad field is the one named. A failed strict read
// raises ConversionError, a count above kMaxSerialLines raises Error. A count
// of 0 or less makes no lines. Without a start, every line is the fixed text
// and the step is not read.
std::vector<std::u16string> MakeSerialLines(const SerialSettings& s);

// What the settings would make, for the dialog: "[ first ] ～ [ last ]", or
// "[ text ] x count" without a start (the count then read leniently). A failed
// strict read raises ConversionError; the count is not bounded here.
std::u16string SerialPreview(const SerialSettings& s);

// The start number read in its radix: strictly as decimal, as hexadecimal
// (a failure names "$" and the text), or digit by digit as octal.
std::int32_t ReadSerialStart(std::u16string_view start, Radix radix);

// ASCII a..z to upper case; everything else, full-width letters too, as it is.
std::u16string AsciiUpper(std::u16string_view text);

}  // namespace kelvo
