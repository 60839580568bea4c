#pragma once
// The simulated CAD's drawing and everything a test can arrange or observe:
// entities, selection sets, what the next SelectOnScreen picks, the call log,
// arranged failures and counters. The automation objects (sim_objects.h) are
// thin views on it; tests may also use it directly.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cad/automation.h"
#include "sim/call_log.h"
#include "sim/entity.h"
#include "sim/failure_plan.h"
#include "sim/selection_filter.h"

namespace kelvo::sim {

struct SelectionSet {
  std::int64_t key = 0;  // never reused, so a deleted set stays deleted
  std::u16string name;
  std::vector<std::int64_t> ids;  // picked entities, in pick order
};

// How one SelectOnScreen ends: picked ids, or the user's Escape.
struct PickOutcome {
  bool cancelled = false;
  std::vector<std::int64_t> ids;
};

// Asked for the picks when no test queued any (a person picking in simcad's
// window). It may run a message loop that serves further calls on the drawing.
using Picker = std::function<PickOutcome(const SelectionFilter& filter)>;

class Drawing {
 public:
  static constexpr std::int64_t kFirstObjectId = 0x7FF6000;
  static constexpr std::int64_t kFirstHandle = 0x2A0;
  static constexpr std::int64_t kDefaultWindowHandle = 0x000A04C2;

  explicit Drawing(std::int64_t firstObjectId = kFirstObjectId);
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  // Entities. (x, y) is the text's anchor: its insertion point when left
  // aligned, else its alignment point. Both raise for an alignment outside 0..14.
  std::int64_t AddText(std::u16string text, double x, double y, std::int32_t alignment = 0,
                       std::u16string layer = u"0");
  std::int64_t AddLine(double x1, double y1, double x2, double y2, std::u16string layer = u"0");

  // Erased entities included; nullptr for an id never given out. The
  // reference stays valid for the drawing's life.
  const Entity* Find(std::int64_t id) const;
  // The live entity; raises an error naming `member` when unknown or erased.
  const Entity& Live(std::int64_t id, std::u16string_view member) const;
  std::vector<Entity> LiveEntities() const;

  // The object model's rules; each raises an error naming its member.
  void SetText(std::int64_t id, std::u16string text);
  // Keeps the text where it is seen: the new alignment point follows from the
  // insertion point.
  void SetAlignment(std::int64_t id, std::int32_t alignment);
  // A non-left text accepts it without effect: its alignment point places it.
  // An aligned or fitted text lies between its two points, so either point
  // moves that end alone, and the two may never meet.
  void SetInsertionPoint(std::int64_t id, const Point& point);
  // A left text refuses it.
  void SetAlignmentPoint(std::int64_t id, const Point& point);
  // A duplicate in the same place with a new id and handle; returns its id.
  std::int64_t Copy(std::int64_t id);
  void Erase(std::int64_t id);
  void Update(std::int64_t id);
  void Regen() { ++regenCount_; }

  // Undo as the CAD keeps it: each change of an entity is a step of its own,
  // except that everything between StartUndoMark and EndUndoMark is one step.
  // Marks nest; Undo takes back the last step. Selection sets and the test
  // arrangements (AddText, AddLine) are no steps.
  void StartUndoMark();
  // Raises when no mark is open.
  void EndUndoMark();
  int OpenUndoMarks() const { return openMarks_; }
  std::size_t UndoSteps() const { return undoSteps_.size(); }
  // Raises when there is nothing to undo.
  void Undo();

  // A locked layer's entities can be read but not changed, copied or erased.
  // Layer names are case-blind.
  void SetLayerLocked(std::u16string_view layer, bool locked);

  // Selection sets, in the order they were added. Names are unique without
  // regard to case.
  std::int64_t AddSelectionSet(std::u16string name);
  std::size_t SelectionSetCount() const { return sets_.size(); }
  // Raises when index is out of range.
  std::int64_t SelectionSetAt(std::int64_t index) const;
  // nullptr once deleted.
  const SelectionSet* FindSelectionSet(std::int64_t key) const;
  const SelectionSet& LiveSelectionSet(std::int64_t key, std::u16string_view member) const;
  std::vector<std::u16string> SelectionSetNames() const;
  void ClearSelectionSet(std::int64_t key);
  void DeleteSelectionSet(std::int64_t key);
  // Ends with the next queued outcome, else the picker's, else nothing picked.
  // Appends the picks that are live, pass the filter and are not yet in the
  // set. A cancel raises and leaves the set as it was.
  void SelectOnScreen(std::int64_t key, const SelectionFilter& filter);

  void QueuePicks(std::vector<std::int64_t> ids);
  void QueueCancel();
  void SetPicker(Picker picker) { picker_ = std::move(picker); }
  // For a CAD that hands back other entities in spite of the filter.
  void SetPicksIgnoreFilter(bool on) { picksIgnoreFilter_ = on; }

  // Called on entry to every object-model member: records the call, then
  // raises when a test arranged for this call to fail.
  void BeginCall(ObjectKind object, std::u16string_view member, CallKind kind);
  const CallLog& Calls() const { return calls_; }
  void ClearCallLog() { calls_.Clear(); }
  void FailCall(std::u16string_view member, std::int64_t n) { failures_.FailNth(member, n); }
  void FailAll(std::u16string_view member) { failures_.FailAll(member); }
  void ClearFailures() { failures_.Clear(); }

  // The CAD's main window (the application's HWND) and the Escape presses it saw.
  void SetWindowHandle(std::int64_t handle) { windowHandle_ = handle; }
  std::int64_t WindowHandle() const { return windowHandle_; }
  void RecordEscape() { ++escapeCount_; }
  int EscapeCount() const { return escapeCount_; }
  int RegenCount() const { return regenCount_; }
  int UpdateCount() const { return updateCount_; }
  // Grows with every change to the entities or the selection sets, so a view
  // redraws only when there is something new to show.
  std::uint64_t ChangeCount() const { return changeCount_; }

 private:
  // The entity's state before this step first changed it, kept for Undo;
  // a step of its own unless a mark is open.
  void Remember(const Entity& entity);
  Entity& LiveText(std::int64_t id, std::u16string_view member);
  // The live entity, refused when its layer is locked.
  Entity& Changeable(std::int64_t id, std::u16string_view member);
  std::int64_t AddEntity(Entity entity);
  SelectionSet& MutableSet(std::int64_t key, std::u16string_view member);

  std::int64_t firstObjectId_;
  std::deque<Entity> entities_;  // index = id - firstObjectId_; a deque keeps references
  std::vector<SelectionSet> sets_;
  std::vector<std::u16string> lockedLayers_;
  // Each step: the states the entities it changed had before it.
  std::vector<std::vector<Entity>> undoSteps_;
  int openMarks_ = 0;
  std::int64_t nextSetKey_ = 1;
  std::deque<PickOutcome> pickQueue_;
  Picker picker_;
  bool picksIgnoreFilter_ = false;
  CallLog calls_;
  FailurePlan failures_;
  std::int64_t windowHandle_ = kDefaultWindowHandle;
  int escapeCount_ = 0;
  int regenCount_ = 0;
  int updateCount_ = 0;
  std::uint64_t changeCount_ = 0;
};

}  // namespace kelvo::sim
