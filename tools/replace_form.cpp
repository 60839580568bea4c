#include "tools/replace_form.h"

namespace kelvo {
namespace {

using namespace replace_dialog;
using K = WidgetKind;
constexpr FontSpec kFieldFont{12, true};

// clang-format off
constexpr WidgetRow kRows[] = {
    {.id = kIdCheckBox1, .kind = K::CheckBox, .caption = u"大文字/小文字を無視", .rect = {74, 8, 137, 17}, .flags = kChecked},
    {.id = kIdLabel1, .kind = K::Label, .caption = u"検索文字列", .rect = {8, 34, 60, 15}},
    {.id = kIdEdit1, .kind = K::Edit, .rect = {74, 31, 121, 22}, .font = kFieldFont},
    {.id = kIdLabel2, .kind = K::Label, .caption = u"置換文字列", .rect = {8, 61, 60, 15}},
    {.id = kIdEdit2, .kind = K::Edit, .rect = {74, 58, 121, 22}, .font = kFieldFont},
    {.id = kIdButton1, .kind = K::Button, .caption = u"実行", .rect = {23, 95, 75, 25}, .result = ModalResult::Ok},
    {.id = kIdButton2, .kind = K::Button, .caption = u"取り消し", .rect = {104, 95, 75, 25}, .result = ModalResult::Cancel},
};
// clang-format on

}  // namespace

const WindowTable kReplaceWindowTable{
    .className = u"TKelvoTikanForm",
    .caption = u"文字列置換",
    .clientWidth = 203,
    .clientHeight = 128,
    .border = Border::ToolWindow,
    .rows = kRows,
};

TKelvoTikanForm::TKelvoTikanForm(WidgetSet& widgets, Window& window, Messages& messages)
    : DialogForm(widgets, window, messages), events_(*this, ReplaceFormEvents()) {}

void TKelvoTikanForm::FormCreate() {
  Edit1.SetText(u"");
  Edit2.SetText(u"");
}

std::span<const EventRow<TKelvoTikanForm>> ReplaceFormEvents() {
  return {};
}

}  // namespace kelvo
