#include "tools/replace_text.h"

#include <cstddef>

namespace kelvo {

std::u16string ReplaceInLine(std::u16string_view line, std::u16string_view search,
                             std::u16string_view replacement, const Locale* caseBlind) {
  if (search.empty()) return std::u16string(line);
  // Positions found in the mapped text are used in the original, so a mapping
  // that changed the length (which the locale promises never happens) cannot
  // be trusted: compare the text as it is then.
  std::u16string mappedLine;
  std::u16string mappedSearch;
  std::u16string_view haystack = line;
  std::u16string_view needle = search;
  if (caseBlind != nullptr) {
    mappedLine = caseBlind->ToUpper(line);
    mappedSearch = caseBlind->ToUpper(search);
    if (mappedLine.size() == line.size() && mappedSearch.size() == search.size()) {
      haystack = mappedLine;
      needle = mappedSearch;
    }
  }
  std::u16string result;
  result.reserve(line.size());
  std::size_t done = 0;
  for (std::size_t found = haystack.find(needle); found != std::u16string_view::npos;
       found = haystack.find(needle, done)) {
    result.append(line.substr(done, found - done));
    result.append(replacement);
    done = found + needle.size();
  }
  result.append(line.substr(done));
  return result;
}

}  // namespace kelvo
