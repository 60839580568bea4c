#include "sim/drawing.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "sim/name_match.h"
#include "sim/sim_error.h"
#include "sim/text_geometry.h"

namespace kelvo::sim {
namespace {

std::u16string Hex(std::int64_t value) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string digits;
  auto v = static_cast<std::uint64_t>(value);
  do {
    digits.insert(digits.begin(), kDigits[v % 16]);
    v /= 16;
  } while (v != 0);
  return digits;
}

void CheckPoint(const Point& point, std::u16string_view member) {
  if (!std::all_of(point.begin(), point.end(), [](double c) { return std::isfinite(c); })) {
    RaiseError(member, u"a point's coordinates must be finite numbers");
  }
}

void CheckAlignment(std::int32_t alignment, std::u16string_view member) {
  if (!IsValidAlignment(alignment)) {
    RaiseError(member, u"alignment " + ToU16(alignment) + u" is not between 0 and 14");
  }
}

// A non-left text is placed by its alignment point; a left one reads (0,0,0)
// there. An aligned or fitted text keeps both of its points.
void Settle(Entity& text) {
  if (text.alignment == 0) {
    text.alignmentPoint = {};
  } else if (!HasTwoPoints(text.alignment)) {
    text.insertion = InsertionFromAnchor(text.alignmentPoint, text.alignment, text.text);
  }
}

void CheckTwoPointsApart(const Entity& text, std::u16string_view member) {
  if (HasTwoPoints(text.alignment) && text.insertion == text.alignmentPoint) {
    RaiseError(member, u"an aligned or fitted text needs two different points");
  }
}

}  // namespace

Drawing::Drawing(std::int64_t firstObjectId) : firstObjectId_(firstObjectId) {}

std::int64_t Drawing::AddEntity(Entity entity) {
  auto n = static_cast<std::int64_t>(entities_.size());
  entity.id = firstObjectId_ + n;
  entity.handle = Hex(kFirstHandle + n);
  entity.erased = false;
  entities_.push_back(std::move(entity));
  ++changeCount_;
  return entities_.back().id;
}

std::int64_t Drawing::AddText(std::u16string text, double x, double y, std::int32_t alignment,
                              std::u16string layer) {
  CheckAlignment(alignment, u"SimAddText");
  CheckPoint({x, y, 0}, u"SimAddText");
  Entity e;
  e.kind = EntityKind::Text;
  e.text = std::move(text);
  e.alignment = alignment;
  e.layer = std::move(layer);
  if (alignment == 0) {
    e.insertion = {x, y, 0};
  } else {
    e.alignmentPoint = {x, y, 0};
    e.insertion = InsertionFromAnchor(e.alignmentPoint, alignment, e.text);
  }
  Settle(e);
  return AddEntity(std::move(e));
}

std::int64_t Drawing::AddLine(double x1, double y1, double x2, double y2, std::u16string layer) {
  CheckPoint({x1, y1, 0}, u"SimAddLine");
  CheckPoint({x2, y2, 0}, u"SimAddLine");
  Entity e;
  e.kind = EntityKind::Line;
  e.insertion = {x1, y1, 0};
  e.alignmentPoint = {x2, y2, 0};
  e.layer = std::move(layer);
  return AddEntity(std::move(e));
}

const Entity* Drawing::Find(std::int64_t id) const {
  if (id < firstObjectId_ || id - firstObjectId_ >= static_cast<std::int64_t>(entities_.size())) {
    return nullptr;
  }
  return &entities_[static_cast<std::size_t>(id - firstObjectId_)];
}

const Entity& Drawing::Live(std::int64_t id, std::u16string_view member) const {
  const Entity* e = Find(id);
  if (e == nullptr) RaiseError(member, u"no object has the id " + ToU16(id));
  if (e->erased) RaiseError(member, u"the object was erased");
  return *e;
}

Entity& Drawing::LiveText(std::int64_t id, std::u16string_view member) {
  Entity& e = Changeable(id, member);
  if (e.kind != EntityKind::Text) RaiseError(member, u"the object is not a text");
  return e;
}

Entity& Drawing::Changeable(std::int64_t id, std::u16string_view member) {
  auto& e = const_cast<Entity&>(Live(id, member));
  for (const std::u16string& layer : lockedLayers_) {
    if (SameName(layer, e.layer)) RaiseError(member, u"the object is on a locked layer");
  }
  return e;
}

void Drawing::SetLayerLocked(std::u16string_view layer, bool locked) {
  std::erase_if(lockedLayers_, [&](const std::u16string& l) { return SameName(l, layer); });
  if (locked) lockedLayers_.emplace_back(layer);
}

std::vector<Entity> Drawing::LiveEntities() const {
  std::vector<Entity> live;
  for (const Entity& e : entities_) {
    if (!e.erased) live.push_back(e);
  }
  return live;
}

void Drawing::SetText(std::int64_t id, std::u16string text) {
  Entity& e = LiveText(id, u"TextString");
  Remember(e);
  e.text = std::move(text);
  Settle(e);
  ++changeCount_;
}

void Drawing::SetAlignment(std::int64_t id, std::int32_t alignment) {
  Entity& e = LiveText(id, u"Alignment");
  CheckAlignment(alignment, u"Alignment");
  Remember(e);
  e.alignment = alignment;
  // The insertion point stays exactly as it was; only the anchor moves.
  e.alignmentPoint = alignment == 0 ? Point{} : AnchorFromInsertion(e.insertion, alignment, e.text);
  ++changeCount_;
}

void Drawing::SetInsertionPoint(std::int64_t id, const Point& point) {
  Entity& e = LiveText(id, u"InsertionPoint");
  CheckPoint(point, u"InsertionPoint");
  Entity moved = e;
  moved.insertion = point;
  Settle(moved);
  CheckTwoPointsApart(moved, u"InsertionPoint");
  Remember(e);
  e = std::move(moved);
  ++changeCount_;
}

void Drawing::SetAlignmentPoint(std::int64_t id, const Point& point) {
  Entity& e = LiveText(id, u"TextAlignmentPoint");
  CheckPoint(point, u"TextAlignmentPoint");
  if (e.alignment == 0) {
    RaiseError(u"TextAlignmentPoint", u"a left-aligned text is placed by its insertion point");
  }
  Entity moved = e;
  moved.alignmentPoint = point;
  Settle(moved);
  CheckTwoPointsApart(moved, u"TextAlignmentPoint");
  Remember(e);
  e = std::move(moved);
  ++changeCount_;
}

std::int64_t Drawing::Copy(std::int64_t id) {
  std::int64_t copy = AddEntity(Changeable(id, u"Copy"));
  // Before the step the copy was not there: undoing erases it.
  Entity before = *Find(copy);
  before.erased = true;
  Remember(before);
  return copy;
}

void Drawing::Erase(std::int64_t id) {
  Entity& e = Changeable(id, u"Delete");
  Remember(e);
  e.erased = true;
  ++changeCount_;
}

void Drawing::Remember(const Entity& entity) {
  // Without a mark each change is a step of its own.
  if (openMarks_ == 0 || undoSteps_.empty()) undoSteps_.emplace_back();
  std::vector<Entity>& step = undoSteps_.back();
  for (const Entity& kept : step) {
    if (kept.id == entity.id) return;  // the step keeps the state before its first change
  }
  step.push_back(entity);
}

void Drawing::StartUndoMark() {
  if (openMarks_++ == 0) undoSteps_.emplace_back();
}

void Drawing::EndUndoMark() {
  if (openMarks_ == 0) RaiseError(u"EndUndoMark", u"no undo mark is open");
  if (--openMarks_ == 0 && !undoSteps_.empty() && undoSteps_.back().empty()) {
    undoSteps_.pop_back();
  }
}

void Drawing::Undo() {
  if (undoSteps_.empty()) RaiseError(u"Undo", u"nothing to undo");
  std::vector<Entity> step = std::move(undoSteps_.back());
  undoSteps_.pop_back();
  for (auto it = step.rbegin(); it != step.rend(); ++it) {
    entities_[static_cast<std::size_t>(it->id - firstObjectId_)] = *it;
  }
  ++changeCount_;
}

void Drawing::Update(std::int64_t id) {
  Live(id, u"Update");
  ++updateCount_;
}

std::int64_t Drawing::AddSelectionSet(std::u16string name) {
  if (name.empty()) RaiseError(u"Add", u"a selection set needs a name");
  for (const SelectionSet& s : sets_) {
    if (SameName(s.name, name)) {
      RaiseError(u"Add", u"a selection set named \"" + name + u"\" already exists");
    }
  }
  sets_.push_back({nextSetKey_++, std::move(name), {}});
  ++changeCount_;
  return sets_.back().key;
}

std::int64_t Drawing::SelectionSetAt(std::int64_t index) const {
  if (index < 0 || index >= static_cast<std::int64_t>(sets_.size())) {
    RaiseError(u"Item", u"index " + ToU16(index) + u" is out of range");
  }
  return sets_[static_cast<std::size_t>(index)].key;
}

const SelectionSet* Drawing::FindSelectionSet(std::int64_t key) const {
  auto it = std::find_if(sets_.begin(), sets_.end(),
                         [key](const SelectionSet& s) { return s.key == key; });
  return it == sets_.end() ? nullptr : &*it;
}

const SelectionSet& Drawing::LiveSelectionSet(std::int64_t key, std::u16string_view member) const {
  const SelectionSet* set = FindSelectionSet(key);
  if (set == nullptr) RaiseError(member, u"the selection set was deleted");
  return *set;
}

SelectionSet& Drawing::MutableSet(std::int64_t key, std::u16string_view member) {
  return const_cast<SelectionSet&>(LiveSelectionSet(key, member));
}

std::vector<std::u16string> Drawing::SelectionSetNames() const {
  std::vector<std::u16string> names;
  for (const SelectionSet& s : sets_) names.push_back(s.name);
  return names;
}

void Drawing::ClearSelectionSet(std::int64_t key) {
  MutableSet(key, u"Clear").ids.clear();
  ++changeCount_;
}

void Drawing::DeleteSelectionSet(std::int64_t key) {
  LiveSelectionSet(key, u"Delete");
  std::erase_if(sets_, [key](const SelectionSet& s) { return s.key == key; });
  ++changeCount_;
}

void Drawing::SelectOnScreen(std::int64_t key, const SelectionFilter& filter) {
  LiveSelectionSet(key, u"SelectOnScreen");
  PickOutcome outcome;
  if (!pickQueue_.empty()) {
    outcome = std::move(pickQueue_.front());
    pickQueue_.pop_front();
  } else if (picker_) {
    Picker picker = picker_;  // the picker may replace itself while it runs
    outcome = picker(filter);
  }
  if (outcome.cancelled) RaiseError(u"SelectOnScreen", u"the selection was cancelled");
  // Look the set up again: calls served while a person picked may have deleted it.
  SelectionSet& set = MutableSet(key, u"SelectOnScreen");
  for (std::int64_t id : outcome.ids) {
    const Entity* e = Find(id);
    if (e == nullptr || e->erased) continue;
    if (!picksIgnoreFilter_ && !filter.Matches(e->kind)) continue;
    if (std::find(set.ids.begin(), set.ids.end(), id) != set.ids.end()) continue;
    set.ids.push_back(id);
  }
  ++changeCount_;
}

void Drawing::QueuePicks(std::vector<std::int64_t> ids) {
  pickQueue_.push_back({false, std::move(ids)});
}

void Drawing::QueueCancel() {
  pickQueue_.push_back({true, {}});
}

void Drawing::BeginCall(ObjectKind object, std::u16string_view member, CallKind kind) {
  calls_.Add(object, member, kind);
  if (failures_.Next(member)) RaiseError(member, u"simulated failure");
}

}  // namespace kelvo::sim
