#include "sim/drawing_text.h"

#include <charconv>
#include <string>

#include "base/error.h"
#include "base/text.h"

namespace kelvo::sim {
namespace {

constexpr std::size_t kFieldCount = 12;

std::u16string Escape(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    switch (c) {
      case u'\\':
        out += u"\\\\";
        break;
      case u'\t':
        out += u"\\t";
        break;
      case u'\r':
        out += u"\\r";
        break;
      case u'\n':
        out += u"\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

[[noreturn]] void Unreadable(std::u16string_view line) {
  throw Error(u"SimDrawing: unreadable line \"" + std::u16string(line) + u"\"");
}

std::u16string Unescape(std::u16string_view text, std::u16string_view line) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) Unreadable(line);
    switch (text[i]) {
      case u'\\':
        out += u'\\';
        break;
      case u't':
        out += u'\t';
        break;
      case u'r':
        out += u'\r';
        break;
      case u'n':
        out += u'\n';
        break;
      default:
        Unreadable(line);
    }
  }
  return out;
}

template <typename Number>
Number ParseNumber(std::u16string_view field, std::u16string_view line) {
  std::string ascii;
  for (char16_t c : field) {
    if (c > 0x7F) Unreadable(line);
    ascii += static_cast<char>(c);
  }
  Number value{};
  auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ec != std::errc() || end != ascii.data() + ascii.size() || ascii.empty()) Unreadable(line);
  return value;
}

std::vector<std::u16string_view> SplitTabs(std::u16string_view line) {
  std::vector<std::u16string_view> fields;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find(u'\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::u16string_view::npos) return fields;
    start = tab + 1;
  }
}

Entity ParseLine(std::u16string_view line) {
  std::vector<std::u16string_view> f = SplitTabs(line);
  if (f.size() != kFieldCount) Unreadable(line);
  Entity e;
  e.id = ParseNumber<std::int64_t>(f[0], line);
  e.handle = std::u16string(f[1]);
  if (f[2] == EntityName(EntityKind::Text)) {
    e.kind = EntityKind::Text;
  } else if (f[2] == EntityName(EntityKind::Line)) {
    e.kind = EntityKind::Line;
  } else {
    Unreadable(line);
  }
  e.text = Unescape(f[3], line);
  e.alignment = ParseNumber<std::int32_t>(f[4], line);
  for (std::size_t i = 0; i < 3; ++i) {
    e.insertion[i] = ParseNumber<double>(f[5 + i], line);
    e.alignmentPoint[i] = ParseNumber<double>(f[8 + i], line);
  }
  e.layer = Unescape(f[11], line);
  return e;
}

}  // namespace

std::u16string FormatCoordinate(double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return u"nan";
  return std::u16string(buffer, end);
}

std::u16string DrawingText(const Drawing& drawing) {
  std::u16string text;
  for (const Entity& e : drawing.LiveEntities()) {
    text += ToU16(e.id) + u'\t' + e.handle + u'\t' + std::u16string(EntityName(e.kind)) + u'\t' +
            Escape(e.text) + u'\t' + ToU16(e.alignment);
    for (double c : e.insertion) text += u'\t' + FormatCoordinate(c);
    for (double c : e.alignmentPoint) text += u'\t' + FormatCoordinate(c);
    text += u'\t' + Escape(e.layer) + u'\n';
  }
  return text;
}

std::vector<Entity> ParseDrawingText(std::u16string_view text) {
  std::vector<Entity> entities;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    entities.push_back(ParseLine(text.substr(start, end - start)));
    start = end + 1;
  }
  return entities;
}

}  // namespace kelvo::sim
