#pragma once
// The dialog "ターゲット CAD": the list of known CAD applications, each a name
// and a ProgID, kept in the target list file; OK makes the fields the target.

#include "ui/dialog_form.h"
#include "ui/events.h"
#include "ui/form_table.h"

namespace kelvo {

namespace target_cad {
enum ControlId : int {
  kIdListBox1 = 301,
  kIdGroupBox1,
  kIdLabel1,
  kIdEdit1,
  kIdLabel2,
  kIdEdit2,
  kIdSpeedButton1,
  kIdSpeedButton2,
  kIdSpeedButton3,
  kIdButton1,
  kIdButton2,
};
}  // namespace target_cad

extern const WindowTable kTargetCadWindowTable;

class TTargetCADForm : public DialogForm {
 public:
  TTargetCADForm(WidgetSet& widgets, Window& window, Messages& messages);
  EventSink& Events() { return events_; }

  ListBox& ListBox1{widgets_.listBox(target_cad::kIdListBox1)};  // the entries, sorted
  Edit& Edit1{widgets_.edit(target_cad::kIdEdit1)};              // display name
  Edit& Edit2{widgets_.edit(target_cad::kIdEdit2)};              // ProgID

 private:
  FormEvents<TTargetCADForm> events_;
};

std::span<const EventRow<TTargetCADForm>> TargetCadFormEvents();

}  // namespace kelvo
