#pragma once
// The main window: its controls, its state and one handler per control event.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/profile.h"
#include "base/locale.h"
#include "cad/cad_platform.h"
#include "cad/command_view.h"
#include "cad/kelvo.h"
#include "ui/memo_lines.h"
#include "ui/widgets.h"
#include "ui/window.h"

namespace kelvo {

inline constexpr char16_t kVersionText[] =
    u"KelvoEditX.exe 2023.10.08\nCAD 図面の TEXT を行ごとに編集するツール";

struct MainFormControls {
  Button& SpeedButton1;
  Button& SpeedButton2;
  Button& SpeedButton6;
  Label& Label3;
  Edit& Edit1;
  Label& Label4;
  Edit& Edit2;
  Label& Label1;
  Label& Label2;
  Button& SpeedButton7;
  CheckBox& CheckBox1;
  Button& SpeedButton3;
  Button& SpeedButton5;
  Button& SpeedButton4;
  Memo& Memo2;
  Memo& Memo1;
  StatusBar& StatusBar1;
  Timer& Timer1;
  // Popup menu items whose availability follows the editor.
  MenuItem& N1;
  MenuItem& N2;
  MenuItem& N4;
  MenuItem& N5;
  MenuItem& N7;
  MenuItem& N8;
  MenuItem& N10;
  MenuItem& N11;
  MenuItem& N14;
  MenuItem& N15;
};

struct MainFormServices {
  Window& window;  // the main window itself
  Window& targetDialog;
  Messages& messages;
  Desktop& desktop;
  RunningObjects& running;
  MessageFilterHost& messageFilter;
  Profile& profile;
  const Locale& locale;
};

// The controls are the form's own fields, named as in the window layout.
class TKelvoMainForm : public MainFormControls {
 public:
  TKelvoMainForm(const MainFormControls& controls, const MainFormServices& services);

  void FormCreate();
  // Always allows the close; writes the settings.
  bool FormCloseQuery();
  void FormDestroy();

  // Runs one event handler at the program's catch point. A close asked for
  // while a command ran follows once that command has ended.
  void Dispatch(const std::function<void()>& handler);
  // The close box or Alt+F4: the window closes now or, while a command runs,
  // stops it as "中止" would and closes once it has finished its end steps.
  // A close therefore never cuts a run short into deleting texts.
  void Close();
  // Logoff or shutdown is asked for: a running command is stopped.
  void QueryEndSession();
  // The session ends: the settings are written, once, for nothing follows.
  void EndSession();

  void SpeedButton1Click();  // fetch
  void SpeedButton7Click();  // target CAD dialog
  void N25Click();           // version message

  // The editor surface.
  void Timer1Timer();
  void UndoMark(bool take);
  void SpeedButton3Click();  // select all
  void SpeedButton4Click();  // undo
  void SpeedButton5Click();  // abort
  void PopupMenu1Popup();
  void N10Click();  // cut
  void N11Click();  // copy
  void N12Click();  // paste
  void N20Click();  // clear
  void Edit1KeyPress(char16_t& key);

  // Writing back and laying out.
  void SpeedButton2Click();  // update
  void Memo1KeyPress(char16_t& key);
  void SpeedButton6Click();  // align
  void Edit2KeyPress(char16_t& key);

  // Lifts a dialog above the topmost main window while it is shown; onOk runs
  // for an OK result before the z-order is put back.
  ModalResult ShowModalTopmost(Window& dialog, const std::function<void()>& onOk = {});

  std::u16string undoText;
  bool undoFlag = false;
  bool runFlag = false;
  std::int32_t iLineLast = 0;

 private:
  friend class CommandScope;
  // A command is running: commands that change the editor or the list do
  // not start from inside it. This is apart from runFlag, which "中止"
  // clears while the command is still finishing.
  bool Busy() const { return runningCommands_ > 0; }
  // Stops the running command as "中止" does, without pumping: the caller is
  // already inside the command's pump.
  void StopRunningCommand();
  // The caret row and the selected lines, kept until the text or the
  // selection moves: on a long text the edit control walks its lines to answer.
  struct CaretFacts {
    std::uint64_t revision = ~std::uint64_t{0};
    int selStart = -1;
    int selEnd = -1;
    int row = 1;
    int selectedLines = 0;
  };
  const CaretFacts& Caret();
  void GrowGutter();
  // The gutter's numbers 1 to lines, as one update.
  void FillGutter(int lines);
  // Runs a pass over the list as a long command with its progress shown; a
  // failure ends it with failureMessage, and the result is false.
  bool RunCadPass(const std::function<void(CommandView&)>& pass,
                  std::u16string_view failureMessage);
  void ShowFetchedTexts(std::vector<Kelvo> records);
  void ProposePitch();

  MainFormServices services_;
  int runningCommands_ = 0;
  bool closePending_ = false;
  bool settingsWritten_ = false;
  CaretFacts caret_;
  MemoLineCounts editorLines_{Memo1};
  MemoLineCounts gutterLines_{Memo2};
};

}  // namespace kelvo
