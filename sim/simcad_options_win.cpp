#include "sim/simcad_options_win.h"

#include <climits>
#include <string_view>
#include <vector>

namespace kelvo::sim {
namespace {

wchar_t LowerAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// The value after "/name" or "/name:", when `arg` is that option.
std::optional<std::wstring_view> OptionValue(std::wstring_view arg, std::wstring_view name) {
  if (arg.size() < name.size() + 1 || (arg[0] != L'/' && arg[0] != L'-')) return std::nullopt;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (LowerAscii(arg[i + 1]) != name[i]) return std::nullopt;
  }
  std::wstring_view rest = arg.substr(name.size() + 1);
  if (rest.empty()) return rest;
  if (rest[0] != L':') return std::nullopt;
  return rest.substr(1);
}

std::optional<int> ReadInt(std::wstring_view text) {
  bool negative = !text.empty() && text[0] == L'-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return negative ? -value : value;
}

std::optional<WindowPlacement> ReadPlacement(std::wstring_view text) {
  std::vector<int> numbers;
  while (true) {
    std::size_t comma = text.find(L',');
    std::optional<int> n = ReadInt(text.substr(0, comma));
    if (!n) return std::nullopt;
    numbers.push_back(*n);
    if (comma == text.npos) break;
    text.remove_prefix(comma + 1);
  }
  if (numbers.size() != 4 || numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
  return WindowPlacement{numbers[0], numbers[1], numbers[2], numbers[3]};
}

}  // namespace

std::wstring SimCadOptions::Caption() const {
  return title.empty() ? L"SimCAD - " + progId : title;
}

SimCadOptions ParseSimCadOptions(std::span<const std::wstring> args) {
  SimCadOptions options;
  for (const std::wstring& arg : args) {
    if (auto v = OptionValue(arg, L"progid")) {
      // A ProgID is one registry key name.
      if (!v->empty() && v->find(L'\\') == v->npos) options.progId = *v;
    } else if (auto v = OptionValue(arg, L"sample")) {
      if (v->empty()) options.sample = true;
    } else if (auto v = OptionValue(arg, L"pos")) {
      if (auto placement = ReadPlacement(*v)) options.placement = placement;
    } else if (auto v = OptionValue(arg, L"title")) {
      options.title = *v;
    }
  }
  return options;
}

}  // namespace kelvo::sim
