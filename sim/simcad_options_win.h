#pragma once
// simcad.exe's command line:
//   /progid:<ProgID>   the ProgID it answers to (BricscadApp.AcadApplication)
//   /sample            start with the sample drawing
//   /pos:x,y,w,h       the window's place (the right half of the screen)
//   /title:<text>      the window's caption ("SimCAD - <ProgID>")
// Options start with '/' or '-' and are matched without regard to case; an
// option it does not know, or one it cannot read, leaves the default.

#include <optional>
#include <span>
#include <string>

namespace kelvo::sim {

struct WindowPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct SimCadOptions {
  std::wstring progId = L"BricscadApp.AcadApplication";
  bool sample = false;
  std::optional<WindowPlacement> placement;
  std::wstring title;  // empty: the caption names the ProgID

  std::wstring Caption() const;
};

// `args` without the program's name.
SimCadOptions ParseSimCadOptions(std::span<const std::wstring> args);

}  // namespace kelvo::sim
