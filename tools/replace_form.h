#pragma once
// The dialog "文字列置換": the search and replacement strings of the replace
// commands, kept between uses.

#include "ui/dialog_form.h"
#include "ui/events.h"
#include "ui/form_table.h"

namespace kelvo {

namespace replace_dialog {
enum ControlId : int {
  kIdCheckBox1 = 401,
  kIdLabel1,
  kIdEdit1,
  kIdLabel2,
  kIdEdit2,
  kIdButton1,
  kIdButton2,
};
}  // namespace replace_dialog

extern const WindowTable kReplaceWindowTable;

class TKelvoTikanForm : public DialogForm {
 public:
  TKelvoTikanForm(WidgetSet& widgets, Window& window, Messages& messages);
  EventSink& Events() { return events_; }
  // Empties both fields; run once, when the dialog is created.
  void FormCreate();

  CheckBox& CheckBox1{widgets_.checkBox(replace_dialog::kIdCheckBox1)};  // ignore letter case
  Edit& Edit1{widgets_.edit(replace_dialog::kIdEdit1)};                  // search string
  Edit& Edit2{widgets_.edit(replace_dialog::kIdEdit2)};                  // replacement string

 private:
  FormEvents<TKelvoTikanForm> events_;
};

std::span<const EventRow<TKelvoTikanForm>> ReplaceFormEvents();

}  // namespace kelvo
