// The commands that write the editor's lines into the drawing and lay the texts out.

#include "app/long_command.h"
#include "app/main_form.h"
#include "base/error.h"
#include "base/text.h"
#include "cad/automation.h"
#include "cad/connection.h"
#include "cad/align.h"
#include "cad/undo_step.h"
#include "cad/update.h"
#include "ui/memo_lines.h"

namespace kelvo {
namespace {

constexpr char16_t kUpdateFailedMessage[] = u"エラーのため、更新を中止しました．";
constexpr char16_t kAlignFailedMessage[] = u"エラーのため、更新処理を中止しました．";
constexpr char16_t kLineFeed = 10;

void Regenerate(const ObjectRef& doc) {
  Arg viewport{Variant(std::int32_t{0})};
  Call(doc, u"Regen", std::span<Arg>(&viewport, 1));
}

}  // namespace

bool TKelvoMainForm::RunCadPass(const std::function<void(CommandView&)>& pass,
                                std::u16string_view failureMessage) {
  bool finished = true;
  {
    LongCommand run(*this, services_.messages);
    Label2.SetVisible(true);
    SpeedButton3.SetVisible(false);
    CommandView view{Memo1,
                     Edit1,
                     Edit2,
                     services_.locale,
                     services_.messages,
                     [this](int item, int of) { Label2.SetText(ToU16(item) + u" / " + ToU16(of)); },
                     [&run] { return run.Continue(); }};
    try {
      pass(view);
    } catch (...) {
      // Whatever ends the run, its end steps follow: the list is resized and
      // the drawing regenerated.
      finished = false;
      services_.messages.ShowMessage(failureMessage, kApplicationTitle, MessageStyle::Plain);
    }
  }
  Label2.SetVisible(false);
  SpeedButton3.SetVisible(true);
  return finished;
}

void TKelvoMainForm::SpeedButton2Click() {
  CommandScope scope(*this);
  if (EditorLineCount(Memo1) == 0) return;
  if (!IsCadRunning(services_.running)) return;
  ObjectRef app = AttachCadApplication(services_.running);
  ActivateCadWindow(services_.desktop, app, false);
  ObjectRef doc = Get(app, u"ActiveDocument").ToObject();
  UndoStep undo(doc);
  UpdateOutcome outcome;
  bool finished = RunCadPass([&](CommandView& view) { RunUpdatePasses(doc, view, outcome); },
                             kUpdateFailedMessage);
  if (finished && outcome.refusedTexts > 0) {
    services_.messages.ShowMessage(RefusedTextsMessage(outcome.refusedTexts), kApplicationTitle,
                                   MessageStyle::Plain);
  }
  FinishEntityList(outcome, CountDataLines(Memo1));
  Regenerate(doc);
}

void TKelvoMainForm::SpeedButton6Click() {
  CommandScope scope(*this);
  if (!IsCadRunning(services_.running)) return;
  ObjectRef app = AttachCadApplication(services_.running);
  ActivateCadWindow(services_.desktop, app, true);
  ObjectRef doc = Get(app, u"ActiveDocument").ToObject();
  UndoStep undo(doc);
  RunCadPass([&doc](CommandView& view) { RunAlignPass(doc, view); }, kAlignFailedMessage);
}

void TKelvoMainForm::Edit2KeyPress(char16_t& key) {
  if (key != u'\r') return;
  key = 0;
  if (!SpeedButton6.Enabled()) return;
  events_.Fire(kIdSpeedButton6, Event::Click);
  Edit2.SetFocus();
  services_.desktop.SetForegroundWindow(services_.window.Handle());
}

void TKelvoMainForm::Memo1KeyPress(char16_t& key) {
  if (key != kLineFeed || !services_.desktop.IsCtrlDown()) return;
  key = 0;
  // As a click on the button, whether or not it is enabled: refused while a
  // command runs.
  events_.Fire(kIdSpeedButton2, Event::Click);
  services_.desktop.SetForegroundWindow(services_.window.Handle());
}

}  // namespace kelvo
