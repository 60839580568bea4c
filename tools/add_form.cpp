#include "tools/add_form.h"

namespace kelvo {
namespace {

using namespace add_dialog;
using K = WidgetKind;
constexpr int kRadixGroup = 1;
constexpr int kDirectionGroup = 2;

// clang-format off
constexpr WidgetRow kRows[] = {
    {.id = kIdSpeedButton1, .kind = K::SpeedButton, .caption = u"10 進", .rect = {8, 8, 50, 22}, .flags = kChecked, .group = kRadixGroup},
    {.id = kIdSpeedButton2, .kind = K::SpeedButton, .caption = u"16 進", .rect = {60, 8, 50, 22}, .group = kRadixGroup},
    {.id = kIdSpeedButton3, .kind = K::SpeedButton, .caption = u"8 進", .rect = {112, 8, 50, 22}, .group = kRadixGroup},
    {.id = kIdLabel5, .kind = K::Label, .caption = u"10 進", .rect = {176, 6, 60, 24}, .font = {20, true}},
    {.id = kIdLabel2, .kind = K::Label, .caption = u"数値検出", .rect = {8, 43, 64, 15}},
    {.id = kIdRadioButton1, .kind = K::RadioButton, .caption = u"先頭から", .rect = {76, 41, 72, 18}, .group = kDirectionGroup},
    {.id = kIdRadioButton2, .kind = K::RadioButton, .caption = u"末尾から", .rect = {152, 41, 72, 18}, .flags = kChecked, .group = kDirectionGroup},
    {.id = kIdLabel3, .kind = K::Label, .caption = u"対象桁数", .rect = {8, 71, 64, 15}, .flags = kDisabled},
    {.id = kIdEdit2, .kind = K::Edit, .caption = u"2", .rect = {76, 68, 40, 22}, .flags = kDisabled | kDigitsOnly},
    {.id = kIdUpDown1, .kind = K::UpDown, .rect = {116, 68, 34, 22}, .flags = kDisabled | kHorizontal, .buddy = kIdEdit2, .min = 1, .max = 8},
    {.id = kIdLabel1, .kind = K::Label, .caption = u"加算数", .rect = {8, 101, 64, 15}},
    {.id = kIdEdit1, .kind = K::Edit, .caption = u"1", .rect = {76, 98, 80, 22}},
    {.id = kIdLabel4, .kind = K::Label, .caption = u"(10進表記)", .rect = {162, 101, 70, 15}},
    {.id = kIdButton1, .kind = K::Button, .caption = u"実行", .rect = {40, 136, 75, 25}, .result = ModalResult::Ok},
    {.id = kIdButton2, .kind = K::Button, .caption = u"取り消し", .rect = {124, 136, 75, 25}, .result = ModalResult::Cancel},
};
// clang-format on

}  // namespace

const WindowTable kAddWindowTable{
    .className = u"TKelvoKasanForm",
    .caption = u"加算",
    .clientWidth = 240,
    .clientHeight = 170,
    .border = Border::ToolWindow,
    .rows = kRows,
};

TKelvoKasanForm::TKelvoKasanForm(WidgetSet& widgets, Window& window, Messages& messages)
    : DialogForm(widgets, window, messages), events_(*this, AddFormEvents()) {}

void TKelvoKasanForm::SpeedButton1Click() {
  bool decimal = SpeedButton1.Down();
  Radix radix = decimal ? Radix::Decimal : SpeedButton2.Down() ? Radix::Hexadecimal : Radix::Octal;
  RadioButton2.SetChecked(true);
  RadioButton1.SetEnabled(decimal);
  RadioButton2.SetEnabled(decimal);
  Label3.SetEnabled(!decimal);
  Edit2.SetEnabled(!decimal);
  UpDown1.SetEnabled(!decimal);
  Label5.SetText(RadixCaption(radix));
}

AddSettings TKelvoKasanForm::Settings() const {
  AddSettings settings;
  settings.radix = SpeedButton1.Down()   ? Radix::Decimal
                   : SpeedButton2.Down() ? Radix::Hexadecimal
                                         : Radix::Octal;
  settings.fromTail = RadioButton2.Checked();
  settings.digits = UpDown1.Position();
  settings.addend = ReadAddend(Edit1.Text());
  return settings;
}

std::span<const EventRow<TKelvoKasanForm>> AddFormEvents() {
  using F = TKelvoKasanForm;
  static constexpr EventRow<F> kEvents[] = {
      {kIdSpeedButton1, Event::Click, On(&F::SpeedButton1Click)},
      {kIdSpeedButton2, Event::Click, On(&F::SpeedButton1Click)},
      {kIdSpeedButton3, Event::Click, On(&F::SpeedButton1Click)},
  };
  return kEvents;
}

}  // namespace kelvo
