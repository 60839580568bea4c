#pragma once
// A window described by data, once: its frame, and one row per control in
// creation (and tab) order. The in-memory widgets of the tests and the real
// controls of the program are both built from the same rows.

#include <span>

#include "ui/window.h"

namespace kelvo {

enum class WidgetKind {
  SpeedButton,  // flat button that never takes the focus; with a group, one of it stays down
  Button,       // push button
  Label,        // static text that sizes itself to its caption
  StaticText,   // static text of the row's size (kCentered, kSunken)
  Edit,         // single-line edit
  Memo,         // multi-line edit
  Gutter,       // the line numbers beside a memo (`buddy`)
  CheckBox,
  RadioButton,  // checking one unchecks the others of its `group`
  ListBox,
  GroupBox,   // a frame; the rects of its children are within it
  Panel,      // a frame-less container; its children move with it
  UpDown,     // arrows stepping the number in the `buddy` edit, `min` to `max`
  StatusBar,  // `panelWidth` for each of its two panels
  Timer,      // no window: fires its event every `interval` ms
};

// The edges of its parent a control keeps its distance to when the window is
// resized; left and top alone keep it fixed to the top left corner.
enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
inline constexpr unsigned kAnchorTopLeft = kAnchorLeft | kAnchorTop;
inline constexpr unsigned kAnchorTopRight = kAnchorTop | kAnchorRight;
inline constexpr unsigned kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;

// A control that fills an edge of its parent, or what the others leave.
enum class Align { None, Bottom, Left, Client };

enum WidgetFlag : unsigned {
  kDisabled = 1u << 0,
  kHidden = 1u << 1,
  kChecked = 1u << 2,  // a check box or radio button checked, a grouped flat button down
  kDigitsOnly = 1u << 3,
  kImeOff = 1u << 4,  // the input method is switched off
  kSorted = 1u << 5,
  kReadOnly = 1u << 6,
  kRightAligned = 1u << 7,
  kCentered = 1u << 8,
  kSunken = 1u << 9,
  kNoTabStop = 1u << 10,
  kHorizontal = 1u << 11,
  kPopupMenu = 1u << 12,  // the window's popup menu opens on this control
};

// Tahoma, height in pixels at 96 dpi; 0 takes the window's font.
struct FontSpec {
  int height = 0;
  bool bold = false;
};

// Client pixels at 96 dpi, within the parent.
struct Rect96 {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct WidgetRow {
  int id = 0;
  WidgetKind kind = WidgetKind::Label;
  const char16_t* caption = u"";
  Rect96 rect;
  int parent = 0;  // 0: the window; else the id of a Panel or GroupBox row before this one
  Align align = Align::None;
  unsigned anchors = kAnchorTopLeft;
  FontSpec font;
  unsigned flags = 0;
  int group = 0;  // radio buttons and flat buttons that exclude each other
  int buddy = 0;  // up-down: its edit; gutter: its memo
  int min = 0;    // up-down range
  int max = 0;
  int interval = 0;    // timer, milliseconds
  int panelWidth = 0;  // status bar
  // A button that closes its dialog with this result once its click is handled.
  ModalResult result = ModalResult::None;
};

enum class Border {
  Sizeable,    // title bar with the system menu and the minimise button
  Dialog,      // fixed dialog frame, close box only
  ToolWindow,  // small title bar, close box only
};

struct WindowTable {
  const char16_t* className = u"";
  const char16_t* caption = u"";
  int clientWidth = 0;  // at 96 dpi
  int clientHeight = 0;
  Border border = Border::Dialog;
  FontSpec font{12, false};
  bool topmost = false;    // in the always-on-top band
  bool appWindow = false;  // its own taskbar button
  std::span<const WidgetRow> rows;
};

// The row with this id; nullptr when the table has none.
const WidgetRow* FindRow(const WindowTable& table, int id);

}  // namespace kelvo
