// The editor's status refresh, undo snapshot, abort button, clipboard commands
// and popup availability.

#include <algorithm>

#include "app/main_form.h"
#include "base/text.h"
#include "ui/memo_lines.h"

namespace kelvo {
namespace {

constexpr int kGutterSpare = 10;

// Restarts the timer however the tick ends, so a failed tick cannot stop it for good.
struct RestartTimer {
  Timer& timer;
  ~RestartTimer() { timer.SetEnabled(true); }
};

}  // namespace

const TKelvoMainForm::CaretFacts& TKelvoMainForm::Caret() {
  std::uint64_t revision = Memo1.Revision();
  int selStart = Memo1.SelStart();
  int selEnd = Memo1.SelEnd();
  if (revision == caret_.revision && selStart == caret_.selStart && selEnd == caret_.selEnd) {
    return caret_;
  }
  int first = Memo1.LineFromChar(selStart);
  int selected = 0;
  if (selEnd > selStart) {
    // Counted from the lines the ends stand on, not by copying the text: a
    // selection that ends with a line break ends at the start of the next line.
    int last = Memo1.LineFromChar(selEnd);
    if (last > first && Memo1.LineIndex(last) == selEnd) --last;
    selected = last - first + 1;
  }
  caret_ = {revision, selStart, selEnd, first + 1, selected};
  return caret_;
}

void TKelvoMainForm::Timer1Timer() {
  Timer1.SetEnabled(false);
  RestartTimer restart{Timer1};
  int caretRow = Caret().row;

  iLineLast = editorLines_.DataLines();
  Label1.SetText(u"データ行数 = " + ToU16(iLineLast));

  Color back = static_cast<int>(EntityList.size()) < caretRow ? kLightGrey : kWindowColor;
  if (Memo1.BackColor() != back) Memo1.SetBackColor(back);

  bool undo = Memo1.CanUndo() || undoFlag;
  if (SpeedButton4.Enabled() != undo) SpeedButton4.SetEnabled(undo);

  std::u16string selRows = u"selRows : " + ToU16(Caret().selectedLines);
  if (StatusBar1.PanelText(1) != selRows) StatusBar1.SetPanelText(1, selRows);
  std::u16string row = u"Row : " + ToU16(caretRow) + u" / " + ToU16(iLineLast);
  if (StatusBar1.PanelText(0) != row) StatusBar1.SetPanelText(0, row);

  GrowGutter();
  int scroll = Memo1.FirstVisibleLine() - Memo2.FirstVisibleLine();
  if (scroll != 0) {
    Memo2.BeginUpdate();
    Memo2.LineScroll(scroll);
    Memo2.EndUpdate();
  }
}

void TKelvoMainForm::GrowGutter() {
  int lines = editorLines_.EditorLines();
  if (lines > gutterLines_.EditorLines()) FillGutter(lines + kGutterSpare);
}

void TKelvoMainForm::FillGutter(int lines) {
  std::u16string numbers;
  for (int i = 1; i <= lines; ++i) {
    if (i > 1) numbers += u"\r\n";
    numbers += ToU16(i);
  }
  // The gutter holds nothing but its numbers, so it is written whole: the
  // edit control takes a new text far faster than it appends a long one.
  Memo2.BeginUpdate();
  int firstVisible = Memo2.FirstVisibleLine();
  Memo2.SetText(numbers);
  Memo2.LineScroll(firstVisible - Memo2.FirstVisibleLine());
  Memo2.EndUpdate();
}

void TKelvoMainForm::UndoMark(bool take) {
  if (take) {
    undoText = Memo1.Text();
  } else {
    Memo1.BeginUpdate();
    Memo1.SetText(undoText);
    Memo1.EndUpdate();
  }
  SpeedButton4.SetEnabled(take);
  undoFlag = take;
}

void TKelvoMainForm::SpeedButton4Click() {
  if (Memo1.CanUndo()) {
    Memo1.Undo();
  } else {
    UndoMark(false);
  }
}

void TKelvoMainForm::SpeedButton5Click() {
  runFlag = false;
  services_.messages.ProcessMessages();
  SpeedButton5.SetEnabled(false);
}

void TKelvoMainForm::SpeedButton3Click() {
  Memo1.SetSel(0, -1);
}

void TKelvoMainForm::PopupMenu1Popup() {
  bool hasText = Memo1.TextLength() > 0;
  bool hasSelection = Memo1.SelEnd() > Memo1.SelStart();
  for (const MenuRow<TKelvoMainForm>& row : MainFormCommands()) {
    switch (row.entry.enabled) {
      case EnabledWhen::Always:
        break;
      case EnabledWhen::EditorHasText:
        widgets_.menuItem(row.entry.id).SetEnabled(hasText);
        break;
      case EnabledWhen::SelectionNotEmpty:
        widgets_.menuItem(row.entry.id).SetEnabled(hasSelection);
        break;
    }
  }
}

void TKelvoMainForm::N10Click() {
  Memo1.Cut();
}

void TKelvoMainForm::N11Click() {
  Memo1.Copy();
}

void TKelvoMainForm::N12Click() {
  UndoMark(true);
  Memo1.Paste();
}

void TKelvoMainForm::N20Click() {
  UndoMark(true);
  Memo1.BeginUpdate();
  Memo1.SetText(u"");
  Memo1.EndUpdate();
}

void TKelvoMainForm::Edit1KeyPress(char16_t& key) {
  if (key != u'\r') return;
  key = 0;
  Edit2.SetFocus();
}

}  // namespace kelvo
