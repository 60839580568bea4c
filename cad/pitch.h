#pragma once
// The pitch dX, dY as the fields show it: fixed notation with two decimals in
// the user's decimal separator, read back the same way.

#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

std::u16string FormatPitch(double value, char16_t decimalSeparator);
// A decimal number with optional sign, fraction and exponent, blanks around it
// allowed; nullopt for anything else.
std::optional<double> ParseNumber(std::u16string_view text, char16_t decimalSeparator);
// What the commands use: text that is no number counts as 0.
double ParsePitch(std::u16string_view text, char16_t decimalSeparator);

}  // namespace kelvo
