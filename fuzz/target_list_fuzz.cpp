// The target list file: whatever bytes are found, the lines read from them are
// written in every encoding and read back as the same lines, and the bytes
// written are a fixed point. ANSI is kept whenever it would read back.
//
// What cannot survive: a lone surrogate (only UTF-16 files hold one) has no
// form in UTF-8 and is written there as U+FFFD, which then stays. Invalid UTF-8
// is U+FFFD from the first reading on, so it needs no allowance.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/portable_locale.h"
#include "cad/target_list.h"
#include "fuzz/fuzz_text.h"

namespace {

using kelvo::TextEncoding;
using Lines = std::vector<std::u16string>;

constexpr TextEncoding kEncodings[] = {TextEncoding::Ansi, TextEncoding::Utf8Bom,
                                       TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom};

// The first byte picks a byte-order mark to put in front, so that every
// encoding is reached from the first inputs on; the rest is the file. One more
// choice makes each byte a UTF-16 code unit up to U+00FF, which reaches the
// Latin-1 text that ANSI may not write as it is in a few steps.
std::string FileBytes(const std::uint8_t* data, std::size_t size) {
  static constexpr std::string_view kMarks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  if (size == 0) return {};
  const std::size_t choice = data[0] % (std::size(kMarks) + 1);
  const char* rest = reinterpret_cast<const char*>(data + 1);
  if (choice == std::size(kMarks)) {
    std::string bytes(kMarks[2]);
    for (std::size_t i = 0; i + 1 < size; ++i) bytes += {rest[i], '\0'};
    return bytes;
  }
  return std::string(kMarks[choice]) + std::string(rest, size - 1);
}

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// The lines as UTF-8 can hold them: every surrogate not in a high-low pair becomes U+FFFD.
Lines AsUtf8Holds(Lines lines) {
  for (auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      bool high = line[i] >= 0xD800 && line[i] <= 0xDBFF;
      if (high && i + 1 < line.size() && line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF) {
        ++i;
      } else if (IsSurrogate(line[i])) {
        line[i] = 0xFFFD;
      }
    }
  }
  return lines;
}

// ANSI bytes as the encoder would write them without the mend; nullopt when a
// character has no form.
std::optional<std::string> PlainAnsi(const Lines& lines, const kelvo::Locale& locale) {
  std::string bytes;
  for (const auto& line : lines) {
    std::optional<std::string> ansi = locale.ToAnsi(line);
    if (!ansi) return std::nullopt;
    bytes += *ansi + "\r\n";
  }
  return bytes;
}

// Read as Latin-1, the lines hold every byte but the breaks, and there are as
// many as breaks (CR LF counted once), plus one for text after the last.
void CheckAnsiLines(std::string_view bytes, const Lines& lines) {
  std::u16string text;
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      ++breaks;
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]));
    }
  }
  bool unended = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
  FUZZ_CHECK(lines.size() == breaks + (unended ? 1 : 0));
  std::u16string joined;
  for (const auto& line : lines) joined += line;
  FUZZ_CHECK(joined == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvo;
  const PortableLocale locale;
  const std::string bytes = FileBytes(data, size);
  const TargetListText first = DecodeTargetList(bytes, locale);
  for (const auto& line : first.lines) {
    FUZZ_CHECK(line.find_first_of(u"\r\n") == std::u16string::npos);
  }
  if (first.encoding == TextEncoding::Ansi) CheckAnsiLines(bytes, first.lines);

  for (TextEncoding asked : kEncodings) {
    const EncodedTargetList written = EncodeTargetList(first.lines, asked, locale);
    FUZZ_CHECK(written.encoding == asked ||
               (asked == TextEncoding::Ansi && written.encoding == TextEncoding::Utf8Bom));
    const TargetListText again = DecodeTargetList(written.bytes, locale);
    FUZZ_CHECK(again.encoding == written.encoding);
    FUZZ_CHECK(again.lines == (written.encoding == TextEncoding::Utf8Bom ? AsUtf8Holds(first.lines)
                                                                         : first.lines));
    const EncodedTargetList rewritten = EncodeTargetList(again.lines, again.encoding, locale);
    FUZZ_CHECK(rewritten.encoding == written.encoding);
    FUZZ_CHECK(rewritten.bytes == written.bytes);

    if (asked == TextEncoding::Ansi && written.encoding != TextEncoding::Ansi) {
      // Mended: plain ANSI must have failed to read back as the same lines.
      std::optional<std::string> plain = PlainAnsi(first.lines, locale);
      if (plain) {
        TargetListText back = DecodeTargetList(*plain, locale);
        FUZZ_CHECK(back.encoding != TextEncoding::Ansi || back.lines != first.lines);
      }
    }
  }
  return 0;
}
