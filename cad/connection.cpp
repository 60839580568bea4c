#include "cad/connection.h"

#include "base/text.h"
#include "cad/automation.h"

namespace kelvo {

std::u16string TargetProgID = kDefaultProgID;

namespace {

constexpr std::uint32_t kRestorePauseMs = 500;
constexpr std::uint32_t kEscapePauseMs = 5;

// The CAD's HWND property, read anew for each use; its low 32 bits name the window.
WindowHandle CadWindow(const ObjectRef& app) {
  return Get(app, u"HWND").ToInt32();
}

}  // namespace

bool IsCadRunning(RunningObjects& running) {
  return running.IsRunning(TargetProgID);
}

ObjectRef AttachCadApplication(RunningObjects& running) {
  return running.Attach(TargetProgID);
}

void ActivateCadWindow(Desktop& desktop, const ObjectRef& app, bool cancelCommand) {
  if (desktop.IsIconic(CadWindow(app))) {
    desktop.OpenIcon(CadWindow(app));
    desktop.Sleep(kRestorePauseMs);
  }
  desktop.SetForegroundWindow(CadWindow(app));
  if (!cancelCommand) return;
  auto foreground = static_cast<std::int32_t>(desktop.GetForegroundWindow());
  if (foreground == CadWindow(app)) {
    desktop.PressEscape();
    desktop.Sleep(kEscapePauseMs);
  }
}

void ForceForegroundWindow(Desktop& desktop, WindowHandle window) {
  std::uint32_t target = desktop.GetWindowThreadProcessId(window);
  std::uint32_t foreground = desktop.GetWindowThreadProcessId(desktop.GetForegroundWindow());
  desktop.SetForegroundWindow(window);
  if (target == foreground) {
    desktop.BringWindowToTop(window);
    return;
  }
  desktop.AttachThreadInput(target, foreground, true);
  desktop.BringWindowToTop(window);
  desktop.AttachThreadInput(target, foreground, false);
}

ObjectRef GetTempSelectionSet(const ObjectRef& doc) {
  ObjectRef sets = Get(doc, u"SelectionSets").ToObject();
  std::int32_t n = Get(sets, u"Count").ToInt32();
  for (std::int32_t i = 0; i < n; ++i) {
    Arg index{Variant(i)};
    ObjectRef set = Call(sets, u"Item", std::span<Arg>(&index, 1)).ToObject();
    // The CAD's set names are case-blind: "SSTEMP" left by another tool is ours too.
    if (EqualsIgnoringAsciiCase(Get(set, u"Name").ToString(), u"ssTemp")) {
      Get(set, u"Clear");
      return set;
    }
  }
  Arg name{Variant(u"ssTemp"), true};
  return Call(sets, u"Add", std::span<Arg>(&name, 1)).ToObject();
}

}  // namespace kelvo
