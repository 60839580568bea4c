#pragma once
// Line counts of the editor as the commands see them.

#include <cstdint>

#include "ui/widgets.h"

namespace kelvo {

// The lines of a line list: an empty last line after a final break is not one,
// so an empty editor has none.
int EditorLineCount(const Memo& memo);

// The lines up to and including the last one that is not blank.
int CountDataLines(const Memo& memo);

// Both counts of one editor, read again only when its text has changed: on a
// long text the edit control walks its lines to answer for the last one, and
// the tick and the per-line loops ask often.
class MemoLineCounts {
 public:
  explicit MemoLineCounts(const Memo& memo) : memo_(memo) {}
  int EditorLines() {
    Refresh();
    return editorLines_;
  }
  int DataLines() {
    Refresh();
    return dataLines_;
  }

 private:
  void Refresh();

  const Memo& memo_;
  std::uint64_t revision_ = ~std::uint64_t{0};
  int editorLines_ = 0;
  int dataLines_ = 0;
};

}  // namespace kelvo
