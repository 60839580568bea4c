#include "cad/target_cad_form.h"

namespace kelvo {
namespace {

using namespace target_cad;
using K = WidgetKind;
using F = TTargetCADForm;

// clang-format off
constexpr WidgetRow kRows[] = {
    {.id = kIdListBox1, .kind = K::ListBox, .rect = {8, 8, 297, 137}, .font = {13, false}, .flags = kSorted},
    {.id = kIdGroupBox1, .kind = K::GroupBox, .rect = {8, 151, 297, 105}},
    {.id = kIdLabel1, .kind = K::Label, .caption = u"名称 （説明）", .rect = {16, 3, 150, 15}, .parent = kIdGroupBox1},
    {.id = kIdEdit1, .kind = K::Edit, .rect = {16, 23, 198, 24}, .parent = kIdGroupBox1, .flags = kImeOff},
    {.id = kIdLabel2, .kind = K::Label, .caption = u"ProgID （クラス文字列）", .rect = {16, 53, 180, 15}, .parent = kIdGroupBox1},
    {.id = kIdEdit2, .kind = K::Edit, .rect = {16, 73, 198, 24}, .parent = kIdGroupBox1, .flags = kImeOff},
    {.id = kIdSpeedButton1, .kind = K::SpeedButton, .caption = u"追加", .rect = {220, 21, 71, 22}, .parent = kIdGroupBox1},
    {.id = kIdSpeedButton2, .kind = K::SpeedButton, .caption = u"削除", .rect = {220, 49, 71, 22}, .parent = kIdGroupBox1},
    {.id = kIdSpeedButton3, .kind = K::SpeedButton, .caption = u"変更", .rect = {220, 77, 71, 22}, .parent = kIdGroupBox1},
    {.id = kIdButton1, .kind = K::Button, .caption = u"OK", .rect = {80, 271, 75, 25}, .result = ModalResult::Ok},
    {.id = kIdButton2, .kind = K::Button, .caption = u"取り消し", .rect = {161, 271, 88, 25}, .result = ModalResult::Cancel},
};
// clang-format on

}  // namespace

const WindowTable kTargetCadWindowTable{
    .className = u"TTargetCADForm",
    .caption = u"ターゲット CAD",
    .clientWidth = 315,
    .clientHeight = 307,
    .border = Border::Dialog,
    .rows = kRows,
};

TTargetCADForm::TTargetCADForm(WidgetSet& widgets, Window& window, Messages& messages)
    : DialogForm(widgets, window, messages), events_(*this, TargetCadFormEvents()) {}

std::span<const EventRow<TTargetCADForm>> TargetCadFormEvents() {
  return {};
}

}  // namespace kelvo
