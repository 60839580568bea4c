#pragma once
// The main window: its controls, its state and one handler per control event.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form_table.h"
#include "app/profile.h"
#include "base/locale.h"
#include "cad/cad_platform.h"
#include "cad/command_view.h"
#include "cad/kelvo.h"
#include "cad/target_cad_form.h"
#include "tools/add_form.h"
#include "tools/replace_form.h"
#include "tools/serial_form.h"
#include "ui/events.h"
#include "ui/memo_lines.h"
#include "ui/widget_set.h"
#include "ui/widgets.h"
#include "ui/window.h"

namespace kelvo {

inline constexpr char16_t kVersionText[] =
    u"KelvoEditX.exe 2023.10.08\nCAD 図面の TEXT を行ごとに編集するツール";

// The four dialogs, each a form with its window.
struct MainFormDialogs {
  TTargetCADForm& target;
  TKelvoTikanForm& replace;
  TKelvoKasanForm& add;
  TKelvoRenbanForm& serial;
};

// What the program is given of the platform.
struct PlatformServices {
  Messages& messages;
  Desktop& desktop;
  RunningObjects& running;
  MessageFilterHost& messageFilter;
  Profile& profile;
  const Locale& locale;
  TargetListFile targetList;
};

struct MainFormServices : PlatformServices {
  Window& window;  // the main window itself
  MainFormDialogs dialogs;
};

class TKelvoMainForm {
 public:
  // Binds the controls from the widgets made for kMainWindowTable.
  TKelvoMainForm(WidgetSet& widgets, const MainFormServices& services);
  TKelvoMainForm(const TKelvoMainForm&) = delete;
  TKelvoMainForm& operator=(const TKelvoMainForm&) = delete;

  // The events of the window, fired by control id.
  EventSink& Events() { return events_; }
  // A command is running: the events that change the editor or the list
  // wait for no command; they are refused meanwhile. This is apart from
  // runFlag, which "中止" clears while the command is still finishing.
  bool Busy() const { return runningCommands_ > 0; }

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

  // The text tools of the popup menu.
  void N1Click();             // すべて全角に: all lines to full width
  void N2Click();             // 選択範囲を全角に: the selection to full width
  void N4Click();             // すべて半角に: all lines to half width
  void N5Click();             // 選択範囲を半角に: the selection to half width
  void N28Click();            // ASCII parentheses to full width
  void N23Click(int sender);  // the ten single-class conversions of the submenu
  void N7Click();             // すべて置換: replace in all lines
  void N8Click();             // 選択範囲を置換: replace in the selection
  void N14Click();            // すべて加算: add to the numbers of all lines
  void N15Click();            // 選択範囲を加算: add to the numbers of the selection
  void N17Click();            // 連番作成: serial-number lines

  // Lifts a dialog above the topmost main window while it is shown; onOk runs
  // for an OK result before the z-order is put back.
  ModalResult ShowModalTopmost(Window& dialog, const std::function<void()>& onOk = {});

  std::u16string undoText;
  bool undoFlag = false;
  bool runFlag = false;
  std::int32_t iLineLast = 0;

 private:
  WidgetSet& widgets_;  // before the controls, which are bound from it

 public:
  // The controls, named as in the window layout.
  Button& SpeedButton1{widgets_.button(kIdSpeedButton1)};  // 取得: fetch
  Button& SpeedButton2{widgets_.button(kIdSpeedButton2)};  // 更新: update
  Button& SpeedButton6{widgets_.button(kIdSpeedButton6)};  // 整列: align
  Edit& Edit1{widgets_.edit(kIdEdit1)};                    // dX
  Edit& Edit2{widgets_.edit(kIdEdit2)};                    // dY
  Label& Label1{widgets_.label(kIdLabel1)};                // data line count
  Label& Label2{widgets_.label(kIdLabel2)};                // progress of update and align
  Button& SpeedButton7{widgets_.button(kIdSpeedButton7)};  // CAD: the target dialog
  CheckBox& CheckBox1{widgets_.checkBox(kIdCheckBox1)};    // 座標順取得: sort the fetch
  Button& SpeedButton3{widgets_.button(kIdSpeedButton3)};  // すべて選択: select all
  Button& SpeedButton5{widgets_.button(kIdSpeedButton5)};  // 中止: abort
  Button& SpeedButton4{widgets_.button(kIdSpeedButton4)};  // Undo
  Memo& Memo2{widgets_.memo(kIdMemo2)};                    // the line-number gutter
  Memo& Memo1{widgets_.memo(kIdMemo1)};                    // the editor
  StatusBar& StatusBar1{widgets_.statusBar(kIdStatusBar1)};
  Timer& Timer1{widgets_.timer(kIdTimer1)};  // the status refresh

 private:
  friend class CommandScope;
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

  // One pass of a text tool over the editor's lines: a long command that
  // takes the undo snapshot, transforms the lines of a working copy one by
  // one, pumps messages between them (after every line, or after changed
  // lines only), and writes the editor once at its end, also when stopped.
  enum class LineSource {
    AllLines,   // the lines of the whole editor
    Selection,  // the selected text's lines, with their own line breaks
  };
  struct LinePass {
    LineSource source = LineSource::AllLines;
    bool pumpAfterUnchangedLines = true;
    // The editor text ends with a line break, as "すべて置換" leaves it.
    bool breakAfterLastLine = false;
  };
  // The line transformed, or nullopt for a line left as it was.
  using LineTransform = std::function<std::optional<std::u16string>(const std::u16string&)>;
  void RunLinePass(const LinePass& pass, const LineTransform& transform);
  // Adds the add dialog's addend to the numbers of the lines, for OK.
  void AddToNumbers(LineSource source);
  void ProposePitch();

  MainFormServices services_;
  FormEvents<TKelvoMainForm> events_;
  int runningCommands_ = 0;
  bool closePending_ = false;
  bool settingsWritten_ = false;
  CaretFacts caret_;
  MemoLineCounts editorLines_{Memo1};
  MemoLineCounts gutterLines_{Memo2};
};

// The main window's event rows and popup-menu commands.
std::span<const EventRow<TKelvoMainForm>> MainFormEvents();
std::span<const MenuRow<TKelvoMainForm>> MainFormCommands();

}  // namespace kelvo
