#pragma once
// One undo step in the CAD for a whole run.

#include "cad/variant.h"

namespace kelvo {

// Makes everything a run changes one undo step of the CAD, so that one undo
// there takes back the whole run. The step is closed on every path once it
// was opened; a CAD that lacks the marks or refuses them gets the run as
// before, without a word.
class UndoStep {
 public:
  explicit UndoStep(const ObjectRef& doc);
  ~UndoStep();
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

 private:
  const ObjectRef& doc_;
  bool open_ = false;
};

}  // namespace kelvo
