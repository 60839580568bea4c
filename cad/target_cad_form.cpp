#include "cad/target_cad_form.h"

#include <algorithm>

#include "base/error.h"
#include "cad/connection.h"

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

std::u16string StartUpCaption(const TargetListFile& file) {
  try {
    std::optional<std::string> bytes = file.files.Read(file.path);
    if (!bytes) return MainCaption(std::nullopt);
    return MainCaption(TargetNameFor(DecodeTargetList(*bytes, file.locale).lines, TargetProgID));
  } catch (const Error&) {
    // The caption only names the target: an unreadable list names none.
    return MainCaption(std::nullopt);
  }
}

TTargetCADForm::TTargetCADForm(WidgetSet& widgets, Window& window, Messages& messages,
                               const TargetListFile& file)
    : DialogForm(widgets, window, messages), events_(*this, TargetCadFormEvents()), file_(file) {}

void TTargetCADForm::FormShow() {
  std::optional<std::string> bytes = file_.files.Read(file_.path);
  if (!bytes) return;
  TargetListText list = DecodeTargetList(*bytes, file_.locale);
  encoding_ = list.encoding;
  ListBox1.Clear();
  for (const std::u16string& line : list.lines) ListBox1.Add(line);
  for (int i = 0; i < ListBox1.Count(); ++i) {
    if (MatchesTarget(ListBox1.Item(i), TargetProgID)) {
      ListBox1.SetItemIndex(i);
      ListBox1Click();
      break;
    }
  }
}

void TTargetCADForm::ListBox1Click() {
  int i = ListBox1.ItemIndex();
  if (i < 0) return;
  TargetEntry entry = SplitTargetEntry(ListBox1.Item(i));
  Edit1.SetText(entry.name);
  Edit2.SetText(entry.progId);
}

void TTargetCADForm::SpeedButton1Click() {
  std::u16string entry = JoinTargetEntry(Edit1.Text(), Edit2.Text());
  ListBox1.Add(entry);
  // Of entries equal but for letter case, the first in the list is the one shown.
  ListBox1.SetItemIndex(ListBox1.FindExact(entry));
  ListBox1Click();
  WriteList();
}

void TTargetCADForm::SpeedButton2Click() {
  int i = ListBox1.ItemIndex();
  if (i >= 0) ListBox1.Delete(i);
  Edit1.SetText(u"");
  Edit2.SetText(u"");
  if (i >= 0 && ListBox1.Count() > 0) {
    ListBox1.SetItemIndex(std::min(i, ListBox1.Count() - 1));
    ListBox1Click();
  }
  WriteList();
}

void TTargetCADForm::SpeedButton3Click() {
  int i = ListBox1.ItemIndex();
  if (i < 0) return;
  // At the same place: the list sorts it only when it is next read.
  ListBox1.Delete(i);
  ListBox1.Insert(i, JoinTargetEntry(Edit1.Text(), Edit2.Text()));
  ListBox1.SetItemIndex(i);
  WriteList();
}

void TTargetCADForm::Edit1KeyPress(char16_t& key) {
  if (key != u'\r') return;
  key = 0;
  SpeedButton3Click();
}

void TTargetCADForm::Button1Click() {
  if (main_ != nullptr) main_->SetCaption(MainCaption(Edit1.Text()));
  TargetProgID = Edit2.Text();
}

void TTargetCADForm::WriteList() {
  std::vector<std::u16string> lines;
  lines.reserve(static_cast<std::size_t>(ListBox1.Count()));
  for (int i = 0; i < ListBox1.Count(); ++i) lines.push_back(ListBox1.Item(i));
  EncodedTargetList encoded = EncodeTargetList(lines, encoding_, file_.locale);
  file_.files.Replace(file_.path, encoded.bytes);
  encoding_ = encoded.encoding;
}

std::span<const EventRow<TTargetCADForm>> TargetCadFormEvents() {
  using F = TTargetCADForm;
  static constexpr EventRow<F> kEvents[] = {
      {kWindowId, Event::Show, On(&F::FormShow)},
      {kIdListBox1, Event::SelectionChange, On(&F::ListBox1Click)},
      {kIdSpeedButton1, Event::Click, On(&F::SpeedButton1Click)},
      {kIdSpeedButton2, Event::Click, On(&F::SpeedButton2Click)},
      {kIdSpeedButton3, Event::Click, On(&F::SpeedButton3Click)},
      {kIdEdit1, Event::KeyPress, On(&F::Edit1KeyPress)},
      {kIdEdit2, Event::KeyPress, On(&F::Edit1KeyPress)},
      {kIdButton1, Event::Click, On(&F::Button1Click)},
  };
  return kEvents;
}

}  // namespace kelvo
