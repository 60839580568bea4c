#pragma once
// Writing the editor's lines back into the drawing.

#include <string>
#include <vector>

#include "cad/command_view.h"
#include "cad/variant.h"

namespace kelvo {

inline constexpr char16_t kZeroPitchAddMessage[] = u"dX, dY が 0 のため、追加を中止しました．";

// What a run leaves for its end steps, filled in as it goes, so that it holds
// also when the run ends with a failure.
struct UpdateOutcome {
  // Entries whose entity could not be reached (erased in the CAD since the
  // fetch), in ascending order. They took no line.
  std::vector<std::size_t> unreachable;
  // Texts that were reached but refused their new string or their deletion
  // (a locked layer, say). Each kept its line all the same.
  int refusedTexts = 0;
};

// Pairs lines with entries and writes, deletes and copies texts; then makes
// copies for the lines past the list. Raises on a failure that ends the run.
// The caller finishes the list (FinishEntityList) and regenerates the drawing.
void RunUpdatePasses(const ObjectRef& doc, CommandView& view, UpdateOutcome& outcome);

// The end of every run: entries found unreachable leave the list, so that
// every text the run made or rewrote stays in it and line i keeps belonging
// to entry i; then the list is brought to the data line count: entries past
// it are cut off, and missing ones are appended as empty slots without a point.
void FinishEntityList(const UpdateOutcome& outcome, int dataLines);

// Says how many texts refused their line, when any did; a run that could not
// write everything must not look like one that did.
std::u16string RefusedTextsMessage(int refused);

}  // namespace kelvo
