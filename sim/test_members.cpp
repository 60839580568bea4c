#include "sim/test_members.h"

#include "sim/drawing_text.h"
#include "sim/member_table.h"
#include "sim/sim_error.h"

namespace kelvo::sim {
namespace {

class TestMembers {
 public:
  explicit TestMembers(Drawing& drawing) : d_(drawing) {}

  Variant AddText(std::span<Arg> a) {
    constexpr auto m = u"SimAddText";
    std::int64_t alignment = a.size() > 3 ? IntegerArg(a[3], m) : 0;
    if (alignment < 0 || alignment > INT32_MAX) alignment = -1;  // refused below, not wrapped
    return Variant(d_.AddText(StringArg(a[0], m), NumberArg(a[1], m), NumberArg(a[2], m),
                              static_cast<std::int32_t>(alignment),
                              a.size() > 4 ? StringArg(a[4], m) : u"0"));
  }
  Variant AddLine(std::span<Arg> a) {
    constexpr auto m = u"SimAddLine";
    return Variant(d_.AddLine(NumberArg(a[0], m), NumberArg(a[1], m), NumberArg(a[2], m),
                              NumberArg(a[3], m), a.size() > 4 ? StringArg(a[4], m) : u"0"));
  }
  Variant EraseEntity(std::span<Arg> a) {
    std::int64_t id = IntegerArg(a[0], u"SimEraseEntity");
    d_.Live(id, u"SimEraseEntity");
    d_.Erase(id);
    return {};
  }
  Variant LockLayer(std::span<Arg> a) {
    d_.SetLayerLocked(StringArg(a[0], u"SimLockLayer"), BoolArg(a[1], u"SimLockLayer"));
    return {};
  }
  Variant QueuePicks(std::span<Arg> a) {
    const auto* items = a[0].value.Get<VariantArray>();
    if (items == nullptr) RaiseError(u"SimQueuePicks", u"an array of object ids is expected");
    std::vector<std::int64_t> ids;
    for (const Variant& item : *items) ids.push_back(IntegerArg(Arg{item}, u"SimQueuePicks"));
    d_.QueuePicks(std::move(ids));
    return {};
  }
  Variant QueueCancel(std::span<Arg>) {
    d_.QueueCancel();
    return {};
  }
  Variant IgnoreFilter(std::span<Arg> a) {
    d_.SetPicksIgnoreFilter(BoolArg(a[0], u"SimIgnoreFilter"));
    return {};
  }
  Variant DrawingDump(std::span<Arg>) { return Variant(DrawingText(d_)); }
  Variant SelectionSets(std::span<Arg>) {
    std::u16string names;
    for (const auto& name : d_.SelectionSetNames()) {
      if (!names.empty()) names += u'\n';
      names += name;
    }
    return Variant(names);
  }
  Variant CallLogText(std::span<Arg>) { return Variant(d_.Calls().Text()); }
  Variant ClearCallLog(std::span<Arg>) {
    d_.ClearCallLog();
    return {};
  }
  Variant FailCall(std::span<Arg> a) {
    d_.FailCall(StringArg(a[0], u"SimFailCall"), IntegerArg(a[1], u"SimFailCall"));
    return {};
  }
  Variant FailAll(std::span<Arg> a) {
    d_.FailAll(StringArg(a[0], u"SimFailAll"));
    return {};
  }
  Variant ClearFailures(std::span<Arg>) {
    d_.ClearFailures();
    return {};
  }
  Variant SetWindowHandle(std::span<Arg> a) {
    d_.SetWindowHandle(IntegerArg(a[0], u"SimSetWindowHandle"));
    return {};
  }
  Variant Undo(std::span<Arg>) {
    d_.Undo();
    return {};
  }
  Variant UndoSteps(std::span<Arg>) { return Variant(static_cast<std::int32_t>(d_.UndoSteps())); }
  Variant OpenUndoMarks(std::span<Arg>) { return Variant(std::int32_t{d_.OpenUndoMarks()}); }
  Variant EscapeCount(std::span<Arg>) { return Variant(std::int32_t{d_.EscapeCount()}); }
  Variant RegenCount(std::span<Arg>) { return Variant(std::int32_t{d_.RegenCount()}); }
  Variant UpdateCount(std::span<Arg>) { return Variant(std::int32_t{d_.UpdateCount()}); }

  void CheckUsable(std::u16string_view) const {}

 private:
  Drawing& d_;
};

using T = TestMembers;
constexpr Member<T> kMembers[] = {
    {u"SimAddText", true, &T::AddText, nullptr, 3, 5},
    {u"SimAddLine", true, &T::AddLine, nullptr, 4, 5},
    {u"SimEraseEntity", true, &T::EraseEntity, nullptr, 1, 1},
    {u"SimLockLayer", true, &T::LockLayer, nullptr, 2, 2},
    {u"SimQueuePicks", true, &T::QueuePicks, nullptr, 1, 1},
    {u"SimQueueCancel", true, &T::QueueCancel},
    {u"SimIgnoreFilter", true, &T::IgnoreFilter, nullptr, 1, 1},
    {u"SimDrawing", true, &T::DrawingDump},
    {u"SimSelectionSets", true, &T::SelectionSets},
    {u"SimCallLog", true, &T::CallLogText},
    {u"SimClearCallLog", true, &T::ClearCallLog},
    {u"SimFailCall", true, &T::FailCall, nullptr, 2, 2},
    {u"SimFailAll", true, &T::FailAll, nullptr, 1, 1},
    {u"SimClearFailures", true, &T::ClearFailures},
    {u"SimSetWindowHandle", true, &T::SetWindowHandle, nullptr, 1, 1},
    {u"SimUndo", true, &T::Undo},
    {u"SimUndoSteps", true, &T::UndoSteps},
    {u"SimOpenUndoMarks", true, &T::OpenUndoMarks},
    {u"SimEscapeCount", true, &T::EscapeCount},
    {u"SimRegenCount", true, &T::RegenCount},
    {u"SimUpdateCount", true, &T::UpdateCount},
};

}  // namespace

bool IsTestMember(std::u16string_view member) {
  return StartsWithName(member, u"Sim");
}

Variant InvokeTestMember(Drawing& drawing, std::u16string_view member, CallKind kind,
                         std::span<Arg> args) {
  const Member<T>* m = FindMember<T>(kMembers, member);
  if (m == nullptr) RaiseUnknownMember(member);
  TestMembers self(drawing);
  return InvokeMember(self, *m, kind, args);
}

}  // namespace kelvo::sim
