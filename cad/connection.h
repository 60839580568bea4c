#pragma once
// Reaching the running CAD: is it there, attach to it, bring its window or
// ours to the front, and the temporary selection set a fetch picks into.

#include <string>

#include "cad/cad_platform.h"
#include "cad/variant.h"

namespace kelvo {

// The ProgID of the target CAD application.
extern std::u16string TargetProgID;
inline constexpr char16_t kDefaultProgID[] = u"BricscadApp.AcadApplication";

bool IsCadRunning(RunningObjects& running);
ObjectRef AttachCadApplication(RunningObjects& running);
// Restores and raises the CAD's main window; with cancelCommand, one Escape
// press cancels its running command, but only when its window did come forward.
void ActivateCadWindow(Desktop& desktop, const ObjectRef& app, bool cancelCommand);
// Brings one of our windows to the front even when another process owns the foreground.
void ForceForegroundWindow(Desktop& desktop, WindowHandle window);
// The document's selection set "ssTemp", emptied, or a new one.
ObjectRef GetTempSelectionSet(const ObjectRef& doc);

}  // namespace kelvo
