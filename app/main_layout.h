#pragma once
// The main window's controls at design size (96 dpi, client pixels), with the
// identifiers the shell and the end-to-end driver use to find them.

#include <array>

namespace kelvo {

inline constexpr int kMainClientWidth = 317;
inline constexpr int kMainClientHeight = 240;
inline constexpr int kGutterWidth = 40;
inline constexpr int kStatusPanelWidth = 100;

enum class ControlKind { SpeedButton, Label, Edit, CheckBox, Panel, Memo, StatusBar };

// Anchors besides top and left: the control keeps its distance to the right
// edge, or (the panel) stretches with the window.
enum class Anchor { TopLeft, TopRight, AllSides };

enum ControlId : int {
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
};

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  const char16_t* caption;
  int left, top, width, height;
  Anchor anchor;
  bool enabled;
  bool visible;
};

// Labels size themselves to their text; the width and height given are room enough.
// clang-format off
inline constexpr std::array<ControlLayout, 18> kMainLayout{{
    {kIdSpeedButton1, ControlKind::SpeedButton, u"取得", 6, 2, 49, 22, Anchor::TopLeft, true, true},
    {kIdSpeedButton2, ControlKind::SpeedButton, u"更新(Ctrl+Enter)", 56, 2, 105, 22, Anchor::TopLeft, false, true},
    {kIdSpeedButton6, ControlKind::SpeedButton, u"整列", 163, 2, 44, 22, Anchor::TopLeft, false, true},
    {kIdLabel3, ControlKind::Label, u"dX :", 213, 5, 26, 15, Anchor::TopLeft, true, true},
    {kIdEdit1, ControlKind::Edit, u"", 240, 2, 71, 22, Anchor::TopLeft, true, true},
    {kIdLabel4, ControlKind::Label, u"dY :", 213, 25, 26, 15, Anchor::TopLeft, true, true},
    {kIdEdit2, ControlKind::Edit, u"", 240, 23, 71, 22, Anchor::TopLeft, true, true},
    {kIdLabel1, ControlKind::Label, u"", 9, 32, 94, 15, Anchor::TopLeft, true, true},
    {kIdLabel2, ControlKind::Label, u"", 104, 32, 100, 15, Anchor::TopLeft, true, false},
    {kIdSpeedButton7, ControlKind::SpeedButton, u"CAD", 5, 51, 36, 22, Anchor::TopLeft, true, true},
    {kIdCheckBox1, ControlKind::CheckBox, u"座標順取得", 50, 52, 83, 21, Anchor::TopLeft, true, true},
    {kIdSpeedButton3, ControlKind::SpeedButton, u"すべて選択", 131, 51, 74, 22, Anchor::TopRight, true, true},
    {kIdSpeedButton5, ControlKind::SpeedButton, u"中止", 208, 51, 52, 22, Anchor::TopRight, false, true},
    {kIdSpeedButton4, ControlKind::SpeedButton, u"Undo", 264, 51, 45, 22, Anchor::TopRight, false, true},
    {kIdPanel1, ControlKind::Panel, u"", 0, 79, 317, 142, Anchor::AllSides, true, true},
    {kIdMemo2, ControlKind::Memo, u"", 0, 0, kGutterWidth, 142, Anchor::AllSides, false, true},
    {kIdMemo1, ControlKind::Memo, u"", kGutterWidth, 0, 317 - kGutterWidth, 142, Anchor::AllSides, true, true},
    {kIdStatusBar1, ControlKind::StatusBar, u"", 0, 221, 317, 19, Anchor::AllSides, true, true},
}};
// clang-format on

}  // namespace kelvo
