#include "tools/serial_form.h"

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

std::span<const EventRow<TKelvoRenbanForm>> SerialFormEvents() {
  return {};
}

}  // namespace kelvo
