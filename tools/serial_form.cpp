#include "tools/serial_form.h"

#include <algorithm>

#include "base/text.h"

namespace kelvo {
namespace {

using namespace serial_dialog;
using K = WidgetKind;
constexpr int kRadixGroup = 1;

// clang-format off
constexpr WidgetRow kRows[] = {
    {.id = kIdSpeedButton1, .kind = K::SpeedButton, .caption = u"10 進", .rect = {8, 8, 50, 22}, .flags = kChecked, .group = kRadixGroup},
    {.id = kIdSpeedButton2, .kind = K::SpeedButton, .caption = u"16 進", .rect = {60, 8, 50, 22}, .group = kRadixGroup},
    {.id = kIdSpeedButton3, .kind = K::SpeedButton, .caption = u"8 進", .rect = {112, 8, 50, 22}, .group = kRadixGroup},
    {.id = kIdLabel5, .kind = K::Label, .caption = u"10進", .rect = {176, 6, 60, 24}, .font = {20, true}},
    {.id = kIdLabel1, .kind = K::Label, .caption = u"前固定", .rect = {8, 44, 56, 15}},
    {.id = kIdEdit1, .kind = K::Edit, .rect = {70, 41, 90, 22}},
    {.id = kIdLabel2, .kind = K::Label, .caption = u"開始数", .rect = {8, 72, 56, 15}},
    {.id = kIdEdit2, .kind = K::Edit, .caption = u"00", .rect = {70, 69, 90, 22}},
    {.id = kIdLabel3, .kind = K::Label, .caption = u"後固定", .rect = {8, 100, 56, 15}},
    {.id = kIdEdit3, .kind = K::Edit, .rect = {70, 97, 90, 22}},
    {.id = kIdLabel6, .kind = K::Label, .caption = u"アップ数", .rect = {172, 72, 56, 15}},
    {.id = kIdEdit5, .kind = K::Edit, .caption = u"1", .rect = {232, 69, 60, 22}, .flags = kDigitsOnly},
    {.id = kIdLabel4, .kind = K::Label, .caption = u"作成数", .rect = {172, 100, 56, 15}},
    {.id = kIdEdit4, .kind = K::Edit, .caption = u"16", .rect = {232, 97, 60, 22}, .flags = kDigitsOnly},
    {.id = kIdLabel7, .kind = K::Label, .caption = u"( 開始数なしで固定文字作成 )", .rect = {8, 126, 200, 15}},
    {.id = kIdStaticText1, .kind = K::StaticText, .rect = {8, 148, 284, 24}, .flags = kCentered | kSunken},
    {.id = kIdButton3, .kind = K::Button, .caption = u"挿入", .rect = {32, 184, 75, 25}},
    {.id = kIdButton1, .kind = K::Button, .caption = u"追加", .rect = {113, 184, 75, 25}},
    {.id = kIdButton2, .kind = K::Button, .caption = u"取り消し", .rect = {194, 184, 75, 25}, .result = ModalResult::Cancel},
};
// clang-format on

}  // namespace

const WindowTable kSerialWindowTable{
    .className = u"TKelvoRenbanForm",
    .caption = u"連番作成",
    .clientWidth = 300,
    .clientHeight = 220,
    .border = Border::ToolWindow,
    .rows = kRows,
};

TKelvoRenbanForm::TKelvoRenbanForm(WidgetSet& widgets, Window& window, Messages& messages)
    : DialogForm(widgets, window, messages), events_(*this, SerialFormEvents()) {}

void TKelvoRenbanForm::AttachEditor(Memo& editor, std::function<void()> takeSnapshot) {
  editor_ = &editor;
  takeSnapshot_ = std::move(takeSnapshot);
}

void TKelvoRenbanForm::FormCreate() {
  Edit1Change();
}

SerialSettings TKelvoRenbanForm::Settings() const {
  SerialSettings s;
  s.prefix = Edit1.Text();
  s.start = Edit2.Text();
  s.suffix = Edit3.Text();
  s.step = Edit5.Text();
  s.count = Edit4.Text();
  s.radix = SpeedButton1.Down()   ? Radix::Decimal
            : SpeedButton2.Down() ? Radix::Hexadecimal
                                  : Radix::Octal;
  return s;
}

void TKelvoRenbanForm::Edit1Change() {
  SerialSettings s = Settings();
  bool fixedText = s.start.empty();
  Label6.SetEnabled(!fixedText);
  Edit5.SetEnabled(!fixedText);
  if (!fixedText) {
    // The radix is shown once the start reads in it; a bad count is named after.
    ReadSerialStart(s.start, s.radix);
    Label5.SetText(RadixCaption(s.radix));
  }
  // A failed read reaches the error report, and the preview keeps its text.
  StaticText1.SetText(SerialPreview(s));
}

void TKelvoRenbanForm::Button1Click(int sender) {
  if (editor_ == nullptr) return;
  Memo& editor = *editor_;
  bool insert = sender == kIdButton3;
  int caretLine = editor.LineFromChar(editor.SelStart());
  takeSnapshot_();
  editor.BeginUpdate();
  struct EndUpdate {
    Memo& memo;
    ~EndUpdate() { memo.EndUpdate(); }
  } bracket{editor};
  // Every value is read before a line is made: a bad one adds nothing.
  std::vector<std::u16string> made = MakeSerialLines(Settings());
  std::u16string text = editor.Text();
  std::vector<std::u16string> lines;
  if (!text.empty()) lines = SplitEditorLines(text);
  // A final line break leaves an empty last line that is no line of its own.
  bool finalBreak = text.ends_with(u"\r\n");
  std::size_t count = lines.size() - (finalBreak ? 1 : 0);
  std::size_t at =
      insert ? std::min(static_cast<std::size_t>(std::max(caretLine, 0)), count) : count;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), made.begin(), made.end());
  editor.SetText(JoinEditorLines(lines));
  window_.EndModal(ModalResult::Ok);
}

std::span<const EventRow<TKelvoRenbanForm>> SerialFormEvents() {
  using F = TKelvoRenbanForm;
  static constexpr EventRow<F> kEvents[] = {
      {kIdEdit1, Event::Change, On(&F::Edit1Change)},
      {kIdEdit2, Event::Change, On(&F::Edit1Change)},
      {kIdEdit3, Event::Change, On(&F::Edit1Change)},
      {kIdEdit5, Event::Change, On(&F::Edit1Change)},
      {kIdEdit4, Event::Change, On(&F::Edit1Change)},
      {kIdSpeedButton1, Event::Click, On(&F::Edit1Change)},
      {kIdSpeedButton2, Event::Click, On(&F::Edit1Change)},
      {kIdSpeedButton3, Event::Click, On(&F::Edit1Change)},
      {kIdButton3, Event::Click, On(&F::Button1Click)},
      {kIdButton1, Event::Click, On(&F::Button1Click)},
  };
  return kEvents;
}

}  // namespace kelvo
