#include "cad/undo_step.h"

#include "base/error.h"
#include "cad/automation.h"

namespace kelvo {

UndoStep::UndoStep(const ObjectRef& doc) : doc_(doc) {
  try {
    Get(doc_, u"StartUndoMark");
    open_ = true;
  } catch (const Error&) {
  }
}

UndoStep::~UndoStep() {
  if (!open_) return;
  try {
    Get(doc_, u"EndUndoMark");
  } catch (...) {
    // Nothing the user could act on: the run's own outcome is what is reported.
  }
}

}  // namespace kelvo
