#pragma once
// The dialog "加算": the radix, where the number is looked for, the digit
// count of hexadecimal and octal numbers, and the addend; kept between uses.

#include "tools/add_numbers.h"
#include "ui/dialog_form.h"
#include "ui/events.h"
#include "ui/form_table.h"

namespace kelvo {

namespace add_dialog {
enum ControlId : int {
  kIdSpeedButton1 = 501,
  kIdSpeedButton2,
  kIdSpeedButton3,
  kIdLabel5,
  kIdLabel2,
  kIdRadioButton1,
  kIdRadioButton2,
  kIdLabel3,
  kIdEdit2,
  kIdUpDown1,
  kIdLabel1,
  kIdEdit1,
  kIdLabel4,
  kIdButton1,
  kIdButton2,
};
}  // namespace add_dialog

extern const WindowTable kAddWindowTable;

class TKelvoKasanForm : public DialogForm {
 public:
  TKelvoKasanForm(WidgetSet& widgets, Window& window, Messages& messages);
  EventSink& Events() { return events_; }

  // Any of the three radix buttons: the choices that radix has are enabled.
  void SpeedButton1Click();
  // The dialog's settings as the add commands use them.
  AddSettings Settings() const;

  Button& SpeedButton1{widgets_.button(add_dialog::kIdSpeedButton1)};      // 10 進
  Button& SpeedButton2{widgets_.button(add_dialog::kIdSpeedButton2)};      // 16 進
  Button& SpeedButton3{widgets_.button(add_dialog::kIdSpeedButton3)};      // 8 進
  Label& Label5{widgets_.label(add_dialog::kIdLabel5)};                    // the chosen radix
  CheckBox& RadioButton1{widgets_.checkBox(add_dialog::kIdRadioButton1)};  // 先頭から: first run
  CheckBox& RadioButton2{widgets_.checkBox(add_dialog::kIdRadioButton2)};  // 末尾から: last run
  Label& Label3{widgets_.label(add_dialog::kIdLabel3)};                    // 対象桁数
  Edit& Edit2{widgets_.edit(add_dialog::kIdEdit2)};                        // digit count
  UpDown& UpDown1{widgets_.upDown(add_dialog::kIdUpDown1)};                // steps the digit count
  Edit& Edit1{widgets_.edit(add_dialog::kIdEdit1)};                        // the addend

 private:
  FormEvents<TKelvoKasanForm> events_;
};

std::span<const EventRow<TKelvoKasanForm>> AddFormEvents();

}  // namespace kelvo
