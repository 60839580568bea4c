#pragma once
// The members a test calls on the simulated CAD's application object, all
// named Sim..., so a test driver in another process reaches them like any
// other member. The program never calls them; they are neither recorded in
// the call log nor failed by arrangement.
//
//   SimAddText(text, x, y[, alignment = 0[, layer = "0"]]) -> Int64 object id
//   SimAddLine(x1, y1, x2, y2[, layer = "0"])              -> Int64 object id
//   SimEraseEntity(id)                 the user erased it by hand
//   SimLockLayer(name, Bool)           locks or unlocks a layer
//   SimQueuePicks(VariantArray ids)    the next SelectOnScreen picks these
//   SimQueueCancel()                   the next SelectOnScreen is cancelled
//   SimIgnoreFilter(Bool)              picks pass in spite of the filter
//   SimDrawing()        -> String      see drawing_text.h
//   SimSelectionSets()  -> String      names joined by "\n"
//   SimCallLog()        -> String      see CallLog::Text
//   SimClearCallLog()
//   SimFailCall(member, n)             the n-th call of member from now fails
//   SimFailAll(member)                 every call of member fails
//   SimClearFailures()
//   SimSetWindowHandle(Int64)          what HWND answers
//   SimUndo()                          the user's undo: takes back the last step
//   SimUndoSteps(), SimOpenUndoMarks() -> Int32
//   SimEscapeCount(), SimRegenCount(), SimUpdateCount() -> Int32

#include <span>
#include <string_view>

#include "cad/automation.h"
#include "sim/drawing.h"

namespace kelvo::sim {

bool IsTestMember(std::u16string_view member);
Variant InvokeTestMember(Drawing& drawing, std::u16string_view member, CallKind kind,
                         std::span<Arg> args);

}  // namespace kelvo::sim
