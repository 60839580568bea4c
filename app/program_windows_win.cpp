#include "app/program_windows_win.h"

namespace kelvo {

ProgramWindows::ProgramWindows(HINSTANCE instance, const PlatformServices& services)
    : application_(instance),
      main_(instance, kMainWindowTable, services.locale),
      target_(instance, kTargetCadWindowTable, services.locale),
      replace_(instance, kReplaceWindowTable, services.locale),
      add_(instance, kAddWindowTable, services.locale),
      serial_(instance, kSerialWindowTable, services.locale) {
  main_.Create(nullptr, MenuEntries(MainFormCommands()));
  main_.SetQuitOnDestroy(true);
  for (FormWindow* dialog : {&target_, &replace_, &add_, &serial_}) {
    dialog->Create(application_.hwnd());
  }
  Messages& messages = services.messages;
  targetForm_ = std::make_unique<TTargetCADForm>(target_, target_, messages, services.targetList);
  replaceForm_ = std::make_unique<TKelvoTikanForm>(replace_, replace_, messages);
  addForm_ = std::make_unique<TKelvoKasanForm>(add_, add_, messages);
  serialForm_ = std::make_unique<TKelvoRenbanForm>(serial_, serial_, messages);
  form_ = std::make_unique<TKelvoMainForm>(
      main_,
      MainFormServices{services, main_, {*targetForm_, *replaceForm_, *addForm_, *serialForm_}});
  main_.SetEvents(&form_->Events());
  target_.SetEvents(&targetForm_->Events());
  replace_.SetEvents(&replaceForm_->Events());
  add_.SetEvents(&addForm_->Events());
  serial_.SetEvents(&serialForm_->Events());
  form_->Dispatch([this] { form_->FormCreate(); });
  replaceForm_->Dispatch([this] { replaceForm_->FormCreate(); });
  serialForm_->Dispatch([this] { serialForm_->FormCreate(); });
}

void ProgramWindows::Show() {
  form_->Timer1.SetEnabled(true);
  main_.Show();
  SetFocus(main_.ControlWindow(kIdMemo1));
}

}  // namespace kelvo
