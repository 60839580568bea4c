#pragma once
// The dialog "ターゲット CAD": the list of known CAD applications, each a name
// and a ProgID, kept in the target list file; OK makes the fields the target.

#include <string>

#include "base/files.h"
#include "base/locale.h"
#include "cad/target_list.h"
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

// Where the target list file is and how its text is encoded.
struct TargetListFile {
  Files& files;
  const Locale& locale;
  std::u16string path;
};

// The main window's caption at start-up: the application title and the name
// the list gives TargetProgID, or the title alone when the file is missing,
// unreadable or has no such line. Never raises.
std::u16string StartUpCaption(const TargetListFile& file);

class TTargetCADForm : public DialogForm {
 public:
  TTargetCADForm(WidgetSet& widgets, Window& window, Messages& messages,
                 const TargetListFile& file);
  EventSink& Events() { return events_; }
  // The window whose caption names the target; attached once it exists.
  void AttachMainWindow(Window& main) { main_ = &main; }

  void FormShow();                    // the list from the file, the target selected
  void ListBox1Click();               // the selected entry into the fields
  void SpeedButton1Click();           // 追加: add the fields as an entry
  void SpeedButton2Click();           // 削除: delete the selected entry
  void SpeedButton3Click();           // 変更: the selected entry becomes the fields
  void Edit1KeyPress(char16_t& key);  // Enter in either field: 変更
  void Button1Click();                // OK: the fields become the target

  ListBox& ListBox1{widgets_.listBox(target_cad::kIdListBox1)};  // the entries, sorted
  Edit& Edit1{widgets_.edit(target_cad::kIdEdit1)};              // display name
  Edit& Edit2{widgets_.edit(target_cad::kIdEdit2)};              // ProgID

 private:
  // The whole list to the file, in the encoding it was read in.
  void WriteList();

  FormEvents<TTargetCADForm> events_;
  TargetListFile file_;
  TextEncoding encoding_ = TextEncoding::Ansi;
  Window* main_ = nullptr;
};

std::span<const EventRow<TTargetCADForm>> TargetCadFormEvents();

}  // namespace kelvo
