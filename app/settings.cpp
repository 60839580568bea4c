#include "app/settings.h"

#include "base/text.h"
#include "cad/connection.h"

namespace kelvo {
namespace {

constexpr char16_t kMainSection[] = u"KelvoEdit";
constexpr char16_t kTargetSection[] = u"Target";

int DigitValue(char16_t c, int radix) {
  int v = c >= u'0' && c <= u'9'   ? c - u'0'
          : c >= u'a' && c <= u'f' ? c - u'a' + 10
          : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                   : 99;
  return v < radix ? v : -1;
}

std::int32_t ReadInteger(Profile& profile, std::u16string_view key, std::int32_t defaultValue) {
  return ParseProfileInteger(profile.ReadString(kMainSection, key, u"")).value_or(defaultValue);
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::u16string_view text) {
  bool negative = false;
  int radix = 10;
  std::size_t i = 0;
  // Only text that starts with "$" or "0x" is hexadecimal; a sign belongs to
  // decimal text alone.
  if (text.substr(0, 1) == u"$") {
    radix = 16;
    i = 1;
  } else if (text.substr(0, 2) == u"0x" || text.substr(0, 2) == u"0X") {
    radix = 16;
    i = 2;
  } else if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
    negative = text[0] == u'-';
    i = 1;
  }
  if (i >= text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i], radix);
    if (digit < 0) return std::nullopt;
    value = value * radix + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  // Hexadecimal text names the 32 bits, so $FFFFFFFF is -1; decimal must fit.
  if (radix == 16 && value > 0x7FFFFFFF) value -= 0x100000000LL;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void ReadSettings(Profile& profile, Window& mainWindow, CheckBox& sortOption) {
  WindowRect outer = mainWindow.RestoredBounds();
  int left = ReadInteger(profile, u"Left", (profile.PrimaryScreenWidth() - outer.width) / 2);
  mainWindow.MoveTo(left, mainWindow.RestoredBounds().top);
  int top = ReadInteger(profile, u"Top", (profile.PrimaryScreenHeight() - outer.height) / 2);
  mainWindow.MoveTo(mainWindow.RestoredBounds().left, top);
  TargetProgID = profile.ReadString(kTargetSection, u"ProgID", TargetProgID);
  auto sort = ParseProfileInteger(profile.ReadString(kMainSection, u"Sort", u""));
  sortOption.SetChecked(sort ? *sort != 0 : true);
}

void WriteSettings(Profile& profile, const Window& mainWindow, const CheckBox& sortOption) {
  WindowRect bounds = mainWindow.RestoredBounds();
  profile.WriteString(kMainSection, u"Left", ToU16(bounds.left));
  profile.WriteString(kMainSection, u"Top", ToU16(bounds.top));
  profile.WriteString(kTargetSection, u"ProgID", TargetProgID);
  profile.WriteString(kMainSection, u"Sort", sortOption.Checked() ? u"1" : u"0");
}

}  // namespace kelvo
