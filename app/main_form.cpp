#include "app/main_form.h"

#include <utility>

#include "ui/error_report.h"
#include "app/long_command.h"
#include "app/settings.h"
#include "base/text.h"
#include "cad/connection.h"
#include "cad/fetch.h"
#include "cad/pitch.h"
#include "cad/sort.h"

namespace kelvo {
namespace {

constexpr char16_t kZeroPitchMessage[] =
    u"dX, dY が 0 です．\rdX, dY の値を設定するか、[取得]で複数の TEXT を選択してください．";
constexpr int kInitialGutterLines = 99;

std::u16string JoinLines(const std::vector<Kelvo>& records) {
  std::u16string text;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += records[i].text;
  }
  return text;
}

}  // namespace

TKelvoMainForm::TKelvoMainForm(WidgetSet& widgets, const MainFormServices& services)
    : widgets_(widgets), services_(services), events_(*this, MainFormEvents(), MainFormCommands()) {
  services_.dialogs.serial.AttachEditor(Memo1, [this] { UndoMark(true); });
  services_.dialogs.target.AttachMainWindow(services_.window);
}

void TKelvoMainForm::FormCreate() {
  TargetProgID = kDefaultProgID;
  Edit1.SetText(u"");
  Edit2.SetText(u"");
  Label1.SetText(u"");
  Label2.SetVisible(false);
  Memo1.SetText(u"");
  ReadSettings(services_.profile, services_.window, CheckBox1);
  FillGutter(kInitialGutterLines);
  services_.window.SetCaption(StartUpCaption(services_.targetList));
  services_.messageFilter.Install();
}

bool TKelvoMainForm::FormCloseQuery() {
  if (!settingsWritten_) WriteSettings(services_.profile, services_.window, CheckBox1);
  return true;
}

void TKelvoMainForm::FormDestroy() {
  services_.messageFilter.Remove();
}

void TKelvoMainForm::Dispatch(const std::function<void()>& handler) {
  DispatchEvent(services_.messages, handler);
  if (closePending_ && !Busy()) {
    closePending_ = false;
    Close();
  }
}

void TKelvoMainForm::Close() {
  if (Busy()) {
    closePending_ = true;
    StopRunningCommand();
    return;
  }
  // A settings file that cannot be written is reported; the window closes all the same.
  DispatchEvent(services_.messages, [this] { FormCloseQuery(); });
  services_.window.Destroy();
}

void TKelvoMainForm::QueryEndSession() {
  if (Busy()) StopRunningCommand();
}

void TKelvoMainForm::EndSession() {
  if (Busy()) StopRunningCommand();
  if (settingsWritten_) return;
  settingsWritten_ = true;
  WriteSettings(services_.profile, services_.window, CheckBox1);
}

void TKelvoMainForm::StopRunningCommand() {
  runFlag = false;
  SpeedButton5.SetEnabled(false);
}

void TKelvoMainForm::N25Click() {
  services_.messages.ShowMessage(kVersionText, u"情報", MessageStyle::Information);
}

void TKelvoMainForm::SpeedButton7Click() {
  ShowModalTopmost(services_.dialogs.target.window());
}

ModalResult TKelvoMainForm::ShowModalTopmost(Window& dialog, const std::function<void()>& onOk) {
  services_.window.SetTopmost(false, false);
  dialog.SetTopmost(true, false);
  struct RestoreOrder {
    Window& dialog;
    Window& main;
    ~RestoreOrder() {
      dialog.SetTopmost(false, false);
      main.SetTopmost(true, true);
    }
  } restore{dialog, services_.window};
  ModalResult result = dialog.ShowModal();
  if (result == ModalResult::Ok && onOk) onOk();
  return result;
}

void TKelvoMainForm::SpeedButton1Click() {
  // The CAD's calls can serve messages sent from elsewhere while they wait.
  CommandScope scope(*this);
  if (IsCadRunning(services_.running)) {
    ObjectRef app = AttachCadApplication(services_.running);
    ActivateCadWindow(services_.desktop, app, true);
    auto picks = PickTexts(app);
    app.reset();
    if (picks) ShowFetchedTexts(std::move(*picks));
  }
  ForceForegroundWindow(services_.desktop, services_.window.Handle());
}

void TKelvoMainForm::ShowFetchedTexts(std::vector<Kelvo> records) {
  if (CheckBox1.Checked()) SortByCoordinates(records, 3);
  // The list and the editor change together, so line i always belongs to entry i.
  EntityList = std::move(records);
  undoFlag = false;
  SpeedButton4.SetEnabled(false);
  Memo1.BeginUpdate();
  Memo1.SetText(JoinLines(EntityList));
  Memo1.EndUpdate();
  Memo1.SetSel(0, 0);
  ProposePitch();
  SpeedButton2.SetEnabled(!EntityList.empty());
  SpeedButton6.SetEnabled(EntityList.size() >= 2);
}

void TKelvoMainForm::ProposePitch() {
  double dX = 0;
  double dY = 0;
  // Records without a point (picks that were not texts) sort last; the pitch
  // comes from the last two that have one.
  std::vector<const Variant*> placed;
  for (auto it = EntityList.rbegin(); it != EntityList.rend() && placed.size() < 2; ++it) {
    if (HasPoint(it->insPt)) placed.push_back(&it->insPt);
  }
  if (placed.size() == 2) {
    dX = PointX(*placed[0]) - PointX(*placed[1]);
    dY = PointY(*placed[0]) - PointY(*placed[1]);
  }
  char16_t separator = services_.locale.DecimalSeparator();
  Edit1.SetText(FormatPitch(dX, separator));
  Edit2.SetText(FormatPitch(dY, separator));
  bool zero = ParsePitch(Edit1.Text(), separator) == 0 && ParsePitch(Edit2.Text(), separator) == 0;
  Edit1.SetFontColor(zero ? kRed : kBlack);
  Edit2.SetFontColor(zero ? kRed : kBlack);
  if (zero)
    services_.messages.ShowMessage(kZeroPitchMessage, kApplicationTitle, MessageStyle::Plain);
}

}  // namespace kelvo
