#include "base/text.h"

namespace kelvo {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

bool IsCrLfAt(std::u16string_view text, std::size_t i) {
  return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHigh(c) || IsLow(c)) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    bool ok = extra >= 0 && i + extra < text.size();
    char32_t cp = ok ? (extra == 0 ? lead : lead & (0x3F >> extra)) : 0;
    for (int k = 1; ok && k <= extra; ++k) {
      auto cont = static_cast<unsigned char>(text[i + k]);
      ok = (cont & 0xC0) == 0x80;
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      AppendUtf16(out, 0xFFFD);
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

std::u16string_view Trim(std::u16string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && text[b] <= 0x20) ++b;
  while (e > b && text[e - 1] <= 0x20) --e;
  return text.substr(b, e - b);
}

std::u16string ToU16(std::int64_t value) {
  std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::vector<TextLine> SplitLinesKeepingBreaks(std::u16string_view text) {
  // Counting first lets one allocation hold every line of a large text.
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n' || (text[i] == u'\r' && !IsCrLfAt(text, i))) ++breaks;
  }
  std::vector<TextLine> lines;
  lines.reserve(breaks + 1);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    const std::size_t breakLength = IsCrLfAt(text, i) ? 2 : 1;
    lines.push_back({std::u16string(text.substr(begin, i - begin)),
                     std::u16string(text.substr(i, breakLength))});
    i += breakLength - 1;
    begin = i + 1;
  }
  if (begin < text.size()) lines.push_back({std::u16string(text.substr(begin)), u""});
  return lines;
}

std::u16string JoinLinesKeepingBreaks(const std::vector<TextLine>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.text.size() + line.lineBreak.size();
  std::u16string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line.text;
    text += line.lineBreak;
  }
  return text;
}

std::vector<std::u16string> SplitEditorLines(std::u16string_view text) {
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsCrLfAt(text, i)) ++breaks;
  }
  std::vector<std::u16string> lines;
  lines.reserve(breaks + 1);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsCrLfAt(text, i)) continue;
    lines.emplace_back(text.substr(begin, i - begin));
    ++i;
    begin = i + 1;
  }
  lines.emplace_back(text.substr(begin));
  return lines;
}

std::u16string JoinEditorLines(const std::vector<std::u16string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::u16string text;
  text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace kelvo
