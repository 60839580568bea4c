#include "ui/memo_lines.h"

#include "base/text.h"

namespace kelvo {

int EditorLineCount(const Memo& memo) {
  int count = memo.LineCount();
  if (count > 0 && memo.LineIndex(count - 1) == memo.TextLength()) --count;
  return count;
}

int CountDataLines(const Memo& memo) {
  // Only the trailing blank lines are read, so this costs nothing on a long text.
  int count = memo.LineCount();
  while (count > 0 && IsBlank(memo.Line(count - 1))) --count;
  return count;
}

}  // namespace kelvo

namespace kelvo {

void MemoLineCounts::Refresh() {
  if (memo_.Revision() == revision_) return;
  revision_ = memo_.Revision();
  editorLines_ = EditorLineCount(memo_);
  dataLines_ = CountDataLines(memo_);
}

}  // namespace kelvo
