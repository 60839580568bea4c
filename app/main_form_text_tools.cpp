// The text tools of the popup menu: width conversions and replace.

#include <array>
#include <optional>

#include "app/long_command.h"
#include "app/main_form.h"
#include "base/text.h"
#include "tools/add_numbers.h"
#include "tools/replace_text.h"
#include "tools/zen_han.h"

namespace kelvo {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Keeps the editor from taking the user's typing while a pass runs: the pass
// writes the editor once, at its end, and would overwrite what was typed.
class ReadOnlyWhileRunning {
 public:
  explicit ReadOnlyWhileRunning(Memo& memo) : memo_(memo), was_(memo.ReadOnly()) {
    memo_.SetReadOnly(true);
  }
  ~ReadOnlyWhileRunning() { memo_.SetReadOnly(was_); }
  ReadOnlyWhileRunning(const ReadOnlyWhileRunning&) = delete;
  ReadOnlyWhileRunning& operator=(const ReadOnlyWhileRunning&) = delete;

 private:
  Memo& memo_;
  bool was_;
};

void ReplaceAll(std::u16string& text, char16_t from, char16_t to) {
  for (char16_t& c : text) {
    if (c == from) c = to;
  }
}

using TableRoutine = void (*)(std::u16string&, const MessagePump&);

// A conversion in place as a line transform: every line counts as changed.
template <typename Convert>
auto Converting(Convert convert) {
  return [convert](const std::u16string& line) {
    std::u16string converted = line;
    convert(converted);
    return std::optional(std::move(converted));
  };
}

}  // namespace

void TKelvoMainForm::RunLinePass(const LinePass& pass, const LineTransform& transform) {
  LongCommand run(*this, services_.messages);
  bool selection = pass.source == LineSource::Selection;
  if (selection && Memo1.SelEnd() <= Memo1.SelStart()) return;
  std::optional<ReadOnlyWhileRunning> readOnly(std::in_place, Memo1);
  UndoMark(true);
  auto convert = [&](std::u16string& line) {
    std::optional<std::u16string> changed = transform(line);
    if (changed) line = std::move(*changed);
    return (!changed && !pass.pumpAfterUnchangedLines) || run.Continue();
  };
  std::u16string result;
  if (selection) {
    // Each line keeps its own break, so the result covers exactly the
    // selection: no line is joined to the one after it.
    std::vector<TextLine> lines = SplitLinesKeepingBreaks(Memo1.SelText());
    for (TextLine& line : lines) {
      if (!convert(line.text)) break;
    }
    result = JoinLinesKeepingBreaks(lines);
  } else {
    std::vector<std::u16string> lines = SplitEditorLines(Memo1.Text());
    for (std::u16string& line : lines) {
      if (!convert(line)) break;
    }
    result = JoinEditorLines(lines);
    if (pass.breakAfterLastLine && !result.empty() && !result.ends_with(kLineBreak)) {
      result += kLineBreak;
    }
  }
  // Writable again before the one write: a read-only control need not take
  // even the program's replacement of its selection.
  readOnly.reset();
  Memo1.BeginUpdate();
  if (selection) {
    Memo1.ReplaceSel(result, false);
  } else {
    Memo1.SetText(result);
  }
  Memo1.EndUpdate();
}

void TKelvoMainForm::N1Click() {
  RunLinePass({LineSource::AllLines},
              Converting([this](std::u16string& line) { AllToZen(line, services_.locale); }));
}

void TKelvoMainForm::N2Click() {
  RunLinePass({LineSource::Selection},
              Converting([this](std::u16string& line) { AllToZen(line, services_.locale); }));
}

void TKelvoMainForm::N4Click() {
  RunLinePass({LineSource::AllLines},
              Converting([this](std::u16string& line) { AllToHan(line, services_.locale); }));
}

void TKelvoMainForm::N5Click() {
  RunLinePass({LineSource::Selection},
              Converting([this](std::u16string& line) { AllToHan(line, services_.locale); }));
}

void TKelvoMainForm::N28Click() {
  RunLinePass({LineSource::AllLines}, Converting([](std::u16string& line) {
                ReplaceAll(line, u'(', u'（');
                ReplaceAll(line, u')', u'）');
              }));
}

void TKelvoMainForm::N23Click(int sender) {
  // The items in the order their sender is told apart.
  struct Item {
    int id;
    TableRoutine routine;
  };
  static constexpr std::array<Item, 10> kItems{{
      {kIdN23, HanKanaToZen},
      {kIdN24, ZenKanaToHan},
      {kIdN091, HanDigitToZen},
      {kIdN092, ZenDigitToHan},
      {kIdN093, ZenNumToHan},
      {kIdN094, HanNumToZen},
      {kIdAZ1, HanAlphaToZen},
      {kIdAZ2, ZenAlphaToHan},
      {kIdN26, ZenSymbolToHan},
      {kIdN27, HanSymbolToZen},
  }};
  TableRoutine routine = nullptr;
  for (const Item& item : kItems) {
    if (item.id == sender) {
      routine = item.routine;
      break;
    }
  }
  if (routine == nullptr) return;
  MessagePump pump = [this] { services_.messages.ProcessMessages(); };
  RunLinePass({LineSource::AllLines},
              Converting([&](std::u16string& line) { routine(line, pump); }));
}

void TKelvoMainForm::N7Click() {
  TKelvoTikanForm& dialog = services_.dialogs.replace;
  if (Memo1.TextLength() > 0) {
    dialog.Edit1.SetText(Memo1.Line(0));
    dialog.Edit2.SetText(dialog.Edit1.Text());
  }
  ShowModalTopmost(dialog.window(), [&] {
    std::u16string search = dialog.Edit1.Text();
    if (search.empty()) return;
    std::u16string replacement = dialog.Edit2.Text();
    const Locale* caseBlind = dialog.CheckBox1.Checked() ? &services_.locale : nullptr;
    RunLinePass({LineSource::AllLines, true, true}, [&](const std::u16string& line) {
      return std::optional(ReplaceInLine(line, search, replacement, caseBlind));
    });
  });
}

void TKelvoMainForm::N8Click() {
  TKelvoTikanForm& dialog = services_.dialogs.replace;
  if (Memo1.TextLength() > 0) {
    std::u16string selected = Memo1.SelText();
    dialog.Edit1.SetText(selected.substr(0, selected.find(u'\r')));
    dialog.Edit2.SetText(dialog.Edit1.Text());
  }
  ShowModalTopmost(dialog.window(), [&] {
    std::u16string search = dialog.Edit1.Text();
    if (search.empty()) return;
    std::u16string replacement = dialog.Edit2.Text();
    RunLinePass({LineSource::Selection}, [&](const std::u16string& line) {
      return std::optional(ReplaceInLine(line, search, replacement, nullptr));
    });
  });
}

void TKelvoMainForm::AddToNumbers(LineSource source) {
  TKelvoKasanForm& dialog = services_.dialogs.add;
  ShowModalTopmost(dialog.window(), [&] {
    AddSettings settings = dialog.Settings();
    // Nothing to add: nothing changes, and no snapshot is taken.
    if (settings.addend == 0) return;
    RunLinePass({source, false},
                [&](const std::u16string& line) { return AddToLine(line, settings); });
  });
}

void TKelvoMainForm::N14Click() {
  AddToNumbers(LineSource::AllLines);
}

void TKelvoMainForm::N15Click() {
  AddToNumbers(LineSource::Selection);
}

void TKelvoMainForm::N17Click() {
  ShowModalTopmost(services_.dialogs.serial.window());
}

}  // namespace kelvo
