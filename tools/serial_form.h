#pragma once
// The dialog "連番作成": serial-number lines, inserted at the caret line or
// appended, with a preview of the first and the last; kept between uses.

#include <functional>

#include "tools/serial_numbers.h"
#include "ui/dialog_form.h"
#include "ui/events.h"
#include "ui/form_table.h"

namespace kelvo {

namespace serial_dialog {
enum ControlId : int {
  kIdSpeedButton1 = 601,
  kIdSpeedButton2,
  kIdSpeedButton3,
  kIdLabel5,
  kIdLabel1,
  kIdEdit1,
  kIdLabel2,
  kIdEdit2,
  kIdLabel3,
  kIdEdit3,
  kIdLabel6,
  kIdEdit5,
  kIdLabel4,
  kIdEdit4,
  kIdLabel7,
  kIdStaticText1,
  kIdButton3,
  kIdButton1,
  kIdButton2,
};
}  // namespace serial_dialog

extern const WindowTable kSerialWindowTable;

class TKelvoRenbanForm : public DialogForm {
 public:
  TKelvoRenbanForm(WidgetSet& widgets, Window& window, Messages& messages);
  EventSink& Events() { return events_; }

  // The editor the lines go into, and how its undo snapshot is taken: the
  // main window's, attached once it exists.
  void AttachEditor(Memo& editor, std::function<void()> takeSnapshot);

  // Computes the preview once, as the dialog is created.
  void FormCreate();
  // Any field changed, or a radix button clicked: the preview anew.
  void Edit1Change();
  // "挿入" inserts the lines at the caret line, "追加" appends them.
  void Button1Click(int sender);

  Button& SpeedButton1{widgets_.button(serial_dialog::kIdSpeedButton1)};  // 10 進
  Button& SpeedButton2{widgets_.button(serial_dialog::kIdSpeedButton2)};  // 16 進
  Button& SpeedButton3{widgets_.button(serial_dialog::kIdSpeedButton3)};  // 8 進
  Label& Label5{widgets_.label(serial_dialog::kIdLabel5)};                // the chosen radix
  Edit& Edit1{widgets_.edit(serial_dialog::kIdEdit1)};                    // 前固定: prefix
  Edit& Edit2{widgets_.edit(serial_dialog::kIdEdit2)};                    // 開始数: start
  Edit& Edit3{widgets_.edit(serial_dialog::kIdEdit3)};                    // 後固定: suffix
  Label& Label6{widgets_.label(serial_dialog::kIdLabel6)};                // アップ数
  Edit& Edit5{widgets_.edit(serial_dialog::kIdEdit5)};                    // step
  Edit& Edit4{widgets_.edit(serial_dialog::kIdEdit4)};                    // 作成数: count
  Label& StaticText1{widgets_.label(serial_dialog::kIdStaticText1)};      // the preview

 private:
  SerialSettings Settings() const;

  FormEvents<TKelvoRenbanForm> events_;
  Memo* editor_ = nullptr;
  std::function<void()> takeSnapshot_;
};

std::span<const EventRow<TKelvoRenbanForm>> SerialFormEvents();

}  // namespace kelvo
