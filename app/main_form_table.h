#pragma once
// The main window described by data: its controls, its events and its popup
// menu. The ids are also how the shell and the end-to-end driver find them.

#include "ui/form_table.h"

namespace kelvo {

enum MainControlId : int {
  kIdSpeedButton1 = 101,
  kIdSpeedButton2,
  kIdSpeedButton6,
  kIdLabel3,
  kIdEdit1,
  kIdLabel4,
  kIdEdit2,
  kIdLabel1,
  kIdLabel2,
  kIdSpeedButton7,
  kIdCheckBox1,
  kIdSpeedButton3,
  kIdSpeedButton5,
  kIdSpeedButton4,
  kIdPanel1,
  kIdMemo2,
  kIdMemo1,
  kIdStatusBar1,
  kIdTimer1,
};

// The popup menu's commands.
enum MainMenuId : int {
  kIdN20 = 201,  // クリア
  kIdN10,        // カット
  kIdN11,        // コピー
  kIdN12,        // ペースト
  kIdN1,
  kIdN2,
  kIdN4,
  kIdN5,
  kIdN28,
  kIdN21,  // the submenu of ten conversions
  kIdN7,
  kIdN8,
  kIdN14,
  kIdN15,
  kIdN17,
  kIdN25,  // バージョン情報
  kIdN19,  // 取り消し
  kIdN23,
  kIdN24,
  kIdN091,
  kIdN092,
  kIdN094,
  kIdN093,
  kIdAZ1,
  kIdAZ2,
  kIdN27,
  kIdN26,
};

extern const WindowTable kMainWindowTable;

}  // namespace kelvo
