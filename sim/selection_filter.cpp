#include "sim/selection_filter.h"

#include <utility>

#include <algorithm>

#include "base/error.h"
#include "sim/name_match.h"

namespace kelvo::sim {
namespace {

[[noreturn]] void NotUnderstood(std::u16string_view why) {
  throw Error(u"SelectOnScreen: unsupported selection filter (" + std::u16string(why) + u")");
}

bool IsGroupCodeZero(const Variant& types) {
  if (const auto* codes = types.Get<Int16Array>()) return codes->size() == 1 && (*codes)[0] == 0;
  if (const auto* items = types.Get<VariantArray>()) {
    if (items->size() != 1) return false;
    const Variant& code = (*items)[0];
    return (code.type() == Variant::Type::Int16 || code.type() == Variant::Type::Int32) &&
           code.ToInt64() == 0;
  }
  return false;
}

bool IsTypeNameChar(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
         c == u'_';
}

std::vector<std::u16string> SplitTypeNames(std::u16string_view list) {
  std::vector<std::u16string> names;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = list.find(u',', start);
    std::u16string_view name = list.substr(start, comma - start);
    // Wildcards and empty names are beyond the simulated CAD.
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsTypeNameChar)) {
      NotUnderstood(u"type name \"" + std::u16string(list) + u"\"");
    }
    names.push_back(UpperAscii(name));
    if (comma == std::u16string_view::npos) return names;
    start = comma + 1;
  }
}

}  // namespace

SelectionFilter::SelectionFilter(std::vector<std::u16string> dxfTypes)
    : restricted_(true), dxfTypes_(std::move(dxfTypes)) {
  for (auto& t : dxfTypes_) t = UpperAscii(t);
}

SelectionFilter SelectionFilter::FromVariants(const Variant& types, const Variant& data) {
  if (types.IsEmpty() && data.IsEmpty()) return SelectionFilter();
  if (!IsGroupCodeZero(types)) NotUnderstood(u"only group code 0 in a one-element array");
  const auto* items = data.Get<VariantArray>();
  if (items == nullptr || items->size() != 1 || (*items)[0].Get<std::u16string>() == nullptr) {
    NotUnderstood(u"the data must be one string in an array of variants");
  }
  return SelectionFilter(SplitTypeNames((*items)[0].ToString()));
}

bool SelectionFilter::Matches(EntityKind kind) const {
  return !restricted_ ||
         std::find(dxfTypes_.begin(), dxfTypes_.end(), DxfName(kind)) != dxfTypes_.end();
}

}  // namespace kelvo::sim
