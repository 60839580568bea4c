#pragma once
// The target list beside the program, "TargetCAD_APIVersion.txt": one CAD a
// line, its display name, a tab, then its ProgID. The file is kept in the
// encoding it was found in, so that a list edited by hand keeps its form.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"

namespace kelvo {

enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct TargetListText {
  std::vector<std::u16string> lines;
  TextEncoding encoding = TextEncoding::Ansi;
};

// A byte-order mark decides the encoding (EF BB BF, FF FE, FE FF); without one
// the bytes are in the ANSI code page. Lines end at CR LF, CR or LF; a break at
// the very end starts no further line, so the empty file has no lines. Invalid
// UTF-8 becomes U+FFFD; an odd last byte of UTF-16 is dropped.
TargetListText DecodeTargetList(std::string_view bytes, const Locale& locale);

struct EncodedTargetList {
  std::string bytes;
  TextEncoding encoding;  // the one used, which the caller keeps writing in
};

// Every line, the last included, followed by CR LF, after the encoding's mark.
// Lines hold no line breaks. ANSI text that would not read back as written (a
// character the code page lacks, which would turn into "?", or bytes that begin
// like a byte-order mark) is written as UTF-8 with its mark instead.
EncodedTargetList EncodeTargetList(const std::vector<std::u16string>& lines, TextEncoding encoding,
                                   const Locale& locale);

struct TargetEntry {
  std::u16string name;
  std::u16string progId;
};

// The name is the text before the first tab, the ProgID all after it, further
// tabs included. A line without a tab is all ProgID.
TargetEntry SplitTargetEntry(std::u16string_view line);
std::u16string JoinTargetEntry(std::u16string_view name, std::u16string_view progId);

// The line holds tab + ProgID anywhere, letter case significant, so that a
// listed "X.Application.23" answers to "X.Application". A line without a tab
// never matches; the empty ProgID matches every line with one.
bool MatchesTarget(std::u16string_view line, std::u16string_view progId);

// The name the first matching line gives: its text before the first occurrence
// of tab + ProgID. nullopt when no line matches.
std::optional<std::u16string> TargetNameFor(const std::vector<std::u16string>& lines,
                                            std::u16string_view progId);

// "KelvoEdit [ name ]", or the bare application title without a name.
std::u16string MainCaption(const std::optional<std::u16string>& name);

// The list's path: the program file's folder and the list's file name.
std::u16string TargetListPath(std::u16string_view programPath);

}  // namespace kelvo
