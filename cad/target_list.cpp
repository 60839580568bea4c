#include "cad/target_list.h"

#include <cstddef>
#include <utility>

#include "base/text.h"
#include "ui/window.h"

namespace kelvo {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF"sv;
constexpr std::string_view kUtf16LeMark = "\xFF\xFE"sv;
constexpr std::string_view kUtf16BeMark = "\xFE\xFF"sv;

std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto first = static_cast<unsigned char>(bytes[i]);
    auto second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

void AppendUtf16(std::string& bytes, std::u16string_view text, bool bigEndian) {
  for (char16_t c : text) {
    char high = static_cast<char>(c >> 8);
    char low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
  }
  return lines;
}

bool StartsWithMark(std::string_view bytes) {
  return bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) ||
         bytes.starts_with(kUtf16BeMark);
}

}  // namespace

TargetListText DecodeTargetList(std::string_view bytes, const Locale& locale) {
  TargetListText list;
  std::u16string text;
  if (bytes.starts_with(kUtf8Mark)) {
    list.encoding = TextEncoding::Utf8Bom;
    text = FromUtf8(bytes.substr(kUtf8Mark.size()));
  } else if (bytes.starts_with(kUtf16LeMark)) {
    list.encoding = TextEncoding::Utf16LeBom;
    text = FromUtf16(bytes.substr(kUtf16LeMark.size()), false);
  } else if (bytes.starts_with(kUtf16BeMark)) {
    list.encoding = TextEncoding::Utf16BeBom;
    text = FromUtf16(bytes.substr(kUtf16BeMark.size()), true);
  } else {
    text = locale.FromAnsi(bytes);
  }
  list.lines = SplitLines(text);
  return list;
}

EncodedTargetList EncodeTargetList(const std::vector<std::u16string>& lines, TextEncoding encoding,
                                   const Locale& locale) {
  std::u16string text;
  for (const auto& line : lines) {
    text += line;
    text += u"\r\n";
  }
  EncodedTargetList out{{}, encoding};
  switch (encoding) {
    case TextEncoding::Ansi:
      if (std::optional<std::string> ansi = locale.ToAnsi(text);
          ansi.has_value() && !StartsWithMark(*ansi)) {
        out.bytes = std::move(*ansi);
        break;
      }
      out.encoding = TextEncoding::Utf8Bom;
      [[fallthrough]];
    case TextEncoding::Utf8Bom:
      out.bytes = std::string(kUtf8Mark) + ToUtf8(text);
      break;
    case TextEncoding::Utf16LeBom:
      out.bytes = kUtf16LeMark;
      AppendUtf16(out.bytes, text, false);
      break;
    case TextEncoding::Utf16BeBom:
      out.bytes = kUtf16BeMark;
      AppendUtf16(out.bytes, text, true);
      break;
  }
  return out;
}

TargetEntry SplitTargetEntry(std::u16string_view line) {
  std::size_t tab = line.find(u'\t');
  if (tab == std::u16string_view::npos) return {u"", std::u16string(line)};
  return {std::u16string(line.substr(0, tab)), std::u16string(line.substr(tab + 1))};
}

std::u16string JoinTargetEntry(std::u16string_view name, std::u16string_view progId) {
  std::u16string line(name);
  line += u'\t';
  line += progId;
  return line;
}

namespace {

std::size_t FindTarget(std::u16string_view line, std::u16string_view progId) {
  return line.find(JoinTargetEntry(u"", progId));
}

}  // namespace

bool MatchesTarget(std::u16string_view line, std::u16string_view progId) {
  return FindTarget(line, progId) != std::u16string_view::npos;
}

std::optional<std::u16string> TargetNameFor(const std::vector<std::u16string>& lines,
                                            std::u16string_view progId) {
  for (const auto& line : lines) {
    std::size_t at = FindTarget(line, progId);
    if (at != std::u16string_view::npos) return line.substr(0, at);
  }
  return std::nullopt;
}

std::u16string MainCaption(const std::optional<std::u16string>& name) {
  std::u16string caption = kApplicationTitle;
  if (name.has_value()) caption += u" [ " + *name + u" ]";
  return caption;
}

std::u16string TargetListPath(std::u16string_view programPath) {
  std::size_t slash = programPath.find_last_of(u"\\/");
  std::u16string path(slash == std::u16string_view::npos ? u"" : programPath.substr(0, slash + 1));
  return path + u"TargetCAD_APIVersion.txt";
}

}  // namespace kelvo
