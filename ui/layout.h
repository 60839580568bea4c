#pragma once
// Where each control of a window table stands at a given client size and dpi.
// Pure, so that the program's windows and the tests agree on every pixel.

#include <map>

#include "ui/form_table.h"

namespace kelvo {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A design length at 96 dpi in pixels at dpi, rounded as the system's MulDiv.
int ScaleToDpi(int value, int dpi);

// Each row's rect, in the client area of the window or Panel that holds it (a
// GroupBox holds no window of its own: its children are placed within its
// rect, in the coordinates of its own container). Aligned rows fill the edges
// of their container in row order (Bottom, Left), and Client rows what is
// left; every other row keeps its distance to the edges it is anchored to.
std::map<int, PixelRect> LayOut(const WindowTable& table, int clientWidth, int clientHeight,
                                int dpi);

// The id of the Panel (or 0, the window) whose client area holds a row.
int ContainerOf(const WindowTable& table, int id);

}  // namespace kelvo
