#pragma once
// UTF-16 text helpers shared by every subsystem. The program counts and
// compares UTF-16 code units, so its strings are std::u16string everywhere.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// Lone surrogates become U+FFFD; nothing else is altered.
std::string ToUtf8(std::u16string_view text);
// Invalid bytes become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Removes every code unit up to U+0020 from both ends; U+3000 stays.
std::u16string_view Trim(std::u16string_view text);
// A line that is empty once trimmed.
inline bool IsBlank(std::u16string_view line) {
  return Trim(line).empty();
}

std::u16string ToU16(std::int64_t value);

// ASCII letters compared without regard to case, every other code unit
// exactly: how the CAD compares member and table names.
bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// One line of a text and the break that ended it: u"\r\n", u"\r", u"\n", or
// empty for a last line without one.
struct TextLine {
  std::u16string text;
  std::u16string lineBreak;
  bool operator==(const TextLine&) const = default;
};
// Splits at CR LF, CR or LF. A break at the very end does not start a further,
// empty line; the empty text has no lines.
std::vector<TextLine> SplitLinesKeepingBreaks(std::u16string_view text);
// The inverse: every line followed by its own break.
std::u16string JoinLinesKeepingBreaks(const std::vector<TextLine>& lines);

// The lines of a multi-line edit control's text. Only CR LF separates lines; a
// lone CR or LF belongs to its line, as the control shows it. A text ending in
// CR LF ends with an empty line, and the empty text is one empty line.
std::vector<std::u16string> SplitEditorLines(std::u16string_view text);
// The lines joined with CR LF.
std::u16string JoinEditorLines(const std::vector<std::u16string>& lines);

}  // namespace kelvo
