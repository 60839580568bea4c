// The main window's rows: controls at design size (96 dpi, client pixels),
// event rows and the popup menu's commands.

#include "app/main_form.h"

namespace kelvo {
namespace {

using K = WidgetKind;
using F = TKelvoMainForm;
constexpr FontSpec kEditorFont{13, false};
constexpr unsigned kPitchField = kRightAligned | kImeOff | kNoTabStop;

// clang-format off
constexpr WidgetRow kRows[] = {
    {.id = kIdSpeedButton1, .kind = K::SpeedButton, .caption = u"取得", .rect = {6, 2, 49, 22}},
    {.id = kIdSpeedButton2, .kind = K::SpeedButton, .caption = u"更新(Ctrl+Enter)", .rect = {56, 2, 105, 22}, .flags = kDisabled},
    {.id = kIdSpeedButton6, .kind = K::SpeedButton, .caption = u"整列", .rect = {163, 2, 44, 22}, .flags = kDisabled},
    {.id = kIdLabel3, .kind = K::Label, .caption = u"dX :", .rect = {213, 5, 26, 15}},
    {.id = kIdEdit1, .kind = K::Edit, .rect = {240, 2, 71, 22}, .flags = kPitchField},
    {.id = kIdLabel4, .kind = K::Label, .caption = u"dY :", .rect = {213, 25, 26, 15}},
    {.id = kIdEdit2, .kind = K::Edit, .rect = {240, 23, 71, 22}, .flags = kPitchField},
    {.id = kIdLabel1, .kind = K::Label, .rect = {9, 32, 94, 15}},
    {.id = kIdLabel2, .kind = K::Label, .rect = {104, 32, 100, 15}, .flags = kHidden},
    {.id = kIdSpeedButton7, .kind = K::SpeedButton, .caption = u"CAD", .rect = {5, 51, 36, 22}},
    {.id = kIdCheckBox1, .kind = K::CheckBox, .caption = u"座標順取得", .rect = {50, 52, 83, 21}, .flags = kChecked},
    {.id = kIdSpeedButton3, .kind = K::SpeedButton, .caption = u"すべて選択", .rect = {131, 51, 74, 22}, .anchors = kAnchorTopRight},
    {.id = kIdSpeedButton5, .kind = K::SpeedButton, .caption = u"中止", .rect = {208, 51, 52, 22}, .anchors = kAnchorTopRight, .flags = kDisabled},
    {.id = kIdSpeedButton4, .kind = K::SpeedButton, .caption = u"Undo", .rect = {264, 51, 45, 22}, .anchors = kAnchorTopRight, .flags = kDisabled},
    {.id = kIdPanel1, .kind = K::Panel, .rect = {0, 79, 317, 142}, .anchors = kAnchorAll},
    // The editor before its gutter, which follows the editor's lines.
    {.id = kIdMemo1, .kind = K::Memo, .rect = {40, 0, 277, 142}, .parent = kIdPanel1, .align = Align::Client, .font = kEditorFont, .flags = kPopupMenu},
    {.id = kIdMemo2, .kind = K::Gutter, .rect = {0, 0, 40, 142}, .parent = kIdPanel1, .align = Align::Left, .font = kEditorFont, .flags = kDisabled | kReadOnly, .buddy = kIdMemo1},
    {.id = kIdStatusBar1, .kind = K::StatusBar, .rect = {0, 221, 317, 19}, .align = Align::Bottom, .panelWidth = 100},
    // Started once the window is shown.
    {.id = kIdTimer1, .kind = K::Timer, .flags = kDisabled, .interval = 200},
};

constexpr EventRow<F> kEvents[] = {
    {kWindowId, Event::Close, On(&F::Close)},
    {kWindowId, Event::QueryEndSession, On(&F::QueryEndSession)},
    {kWindowId, Event::EndSession, On(&F::EndSession)},
    {kWindowId, Event::Destroy, On(&F::FormDestroy)},
    {kWindowId, Event::Popup, On(&F::PopupMenu1Popup)},
    {kIdTimer1, Event::Timer, On(&F::Timer1Timer)},
    {kIdSpeedButton1, Event::Click, On(&F::SpeedButton1Click), WhileBusy::Refused},
    {kIdSpeedButton2, Event::Click, On(&F::SpeedButton2Click), WhileBusy::Refused},
    {kIdSpeedButton6, Event::Click, On(&F::SpeedButton6Click), WhileBusy::Refused},
    {kIdSpeedButton7, Event::Click, On(&F::SpeedButton7Click), WhileBusy::Refused},
    {kIdSpeedButton3, Event::Click, On(&F::SpeedButton3Click)},
    {kIdSpeedButton4, Event::Click, On(&F::SpeedButton4Click), WhileBusy::Refused},
    {kIdSpeedButton5, Event::Click, On(&F::SpeedButton5Click)},
    {kIdEdit1, Event::KeyPress, On(&F::Edit1KeyPress)},
    {kIdEdit2, Event::KeyPress, On(&F::Edit2KeyPress)},
    // Typing goes on while a command runs: update reads the editor live.
    {kIdMemo1, Event::KeyPress, On(&F::Memo1KeyPress)},
};

constexpr auto kHasText = EnabledWhen::EditorHasText;
constexpr auto kHasSelection = EnabledWhen::SelectionNotEmpty;
constexpr auto kAlways = EnabledWhen::Always;
constexpr auto kRefused = WhileBusy::Refused;

constexpr MenuRow<F> kCommands[] = {
    {{kIdN20, u"クリア"}, On(&F::N20Click), kRefused},
    {{kIdN10, u"カット", 0, kHasSelection}, On(&F::N10Click), kRefused},
    {{kIdN11, u"コピー", 0, kHasSelection}, On(&F::N11Click)},
    {{kIdN12, u"ペースト"}, On(&F::N12Click), kRefused},
    {{0}},  // N9
    {{kIdN1, u"すべて全角に", 0, kHasText}, On(&F::N1Click), kRefused},
    {{kIdN2, u"選択範囲を全角に", 0, kHasSelection}, On(&F::N2Click), kRefused},
    {{0}},  // N3
    {{kIdN4, u"すべて半角に", 0, kHasText}, On(&F::N4Click), kRefused},
    {{kIdN5, u"選択範囲を半角に", 0, kHasSelection}, On(&F::N5Click), kRefused},
    {{0}},  // N22
    {{kIdN28, u"すべての半角 ( ) を全角に "}, On(&F::N28Click), kRefused},
    {{0}},  // N29
    {{kIdN21, u"その他のすべてを変換"}},
    {{kIdN23, u"半角カタカナを全角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN24, u"全角カタカナを半角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN091, u"半角数字(0..9)を全角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN092, u"全角数字(0..9)を半角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN094, u"半角数値(0..9+-.,)を全角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN093, u"全角数値(0..9+-.,)を半角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdAZ1, u"半角アルファベット(A..Z)を全角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdAZ2, u"全角アルファベット(A..Z)を半角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN27, u"半角記号を全角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{kIdN26, u"全角記号を半角に", kIdN21, kAlways}, On(&F::N23Click), kRefused},
    {{0}},  // N6
    {{kIdN7, u"すべて置換", 0, kHasText}, On(&F::N7Click), kRefused},
    {{kIdN8, u"選択範囲を置換", 0, kHasSelection}, On(&F::N8Click), kRefused},
    {{0}},  // N13
    {{kIdN14, u"すべて加算", 0, kHasText}, On(&F::N14Click), kRefused},
    {{kIdN15, u"選択範囲を加算", 0, kHasSelection}, On(&F::N15Click), kRefused},
    {{0}},  // N16
    {{kIdN17, u"連番作成"}, On(&F::N17Click), kRefused},
    {{0}},  // N18
    {{kIdN25, u"バージョン情報"}, On(&F::N25Click)},
    {{0}},  // N30
    {{kIdN19, u"取り消し"}},  // only closes the menu
};
// clang-format on

}  // namespace

const WindowTable kMainWindowTable{
    .className = u"TKelvoMainForm",
    .caption = u"KelvoEdit",
    .clientWidth = 317,
    .clientHeight = 240,
    .border = Border::Sizeable,
    .topmost = true,
    .appWindow = true,
    .rows = kRows,
};

std::span<const EventRow<TKelvoMainForm>> MainFormEvents() {
  return kEvents;
}

std::span<const MenuRow<TKelvoMainForm>> MainFormCommands() {
  return kCommands;
}

}  // namespace kelvo
