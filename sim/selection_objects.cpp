#include "base/text.h"
#include "sim/member_table.h"
#include "sim/sim_error.h"
#include "sim/sim_objects.h"

namespace kelvo::sim {
namespace {

class SelectionSetsObject final : public AutoObject {
 public:
  explicit SelectionSetsObject(std::shared_ptr<Drawing> drawing) : drawing_(std::move(drawing)) {}

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;
  void CheckUsable(std::u16string_view) const {}

  Variant Count(std::span<Arg>) {
    return Variant(static_cast<std::int32_t>(drawing_->SelectionSetCount()));
  }
  Variant Item(std::span<Arg> args) {
    return Variant(
        MakeSelectionSet(drawing_, drawing_->SelectionSetAt(IntegerArg(args[0], u"Item"))));
  }
  Variant Add(std::span<Arg> args) {
    return Variant(
        MakeSelectionSet(drawing_, drawing_->AddSelectionSet(StringArg(args[0], u"Add"))));
  }

 private:
  std::shared_ptr<Drawing> drawing_;
};

constexpr Member<SelectionSetsObject> kSetsMembers[] = {
    {u"Count", false, &SelectionSetsObject::Count},
    {u"Item", true, &SelectionSetsObject::Item, nullptr, 1, 1},
    {u"Add", true, &SelectionSetsObject::Add, nullptr, 1, 1},
};

Variant SelectionSetsObject::Invoke(std::u16string_view member, CallKind kind,
                                    std::span<Arg> args) {
  return Dispatch<SelectionSetsObject>(*this, kSetsMembers, *drawing_, ObjectKind::SelectionSets,
                                       member, kind, args);
}

class SelectionSetObject final : public AutoObject {
 public:
  SelectionSetObject(std::shared_ptr<Drawing> drawing, std::int64_t key)
      : drawing_(std::move(drawing)), key_(key) {}

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;
  void CheckUsable(std::u16string_view member) const { drawing_->LiveSelectionSet(key_, member); }

  Variant Name(std::span<Arg>) { return Variant(Set().name); }
  Variant Count(std::span<Arg>) { return Variant(static_cast<std::int32_t>(Set().ids.size())); }
  Variant Item(std::span<Arg> args) {
    std::int64_t index = IntegerArg(args[0], u"Item");
    const auto& ids = Set().ids;
    if (index < 0 || index >= static_cast<std::int64_t>(ids.size())) {
      RaiseError(u"Item", u"index " + ToU16(index) + u" is out of range");
    }
    return Variant(MakeEntity(drawing_, ids[static_cast<std::size_t>(index)]));
  }
  Variant Clear(std::span<Arg>) {
    drawing_->ClearSelectionSet(key_);
    return {};
  }
  Variant Delete(std::span<Arg>) {
    drawing_->DeleteSelectionSet(key_);
    return {};
  }
  // Without arguments, or with two empty ones, every entity type may be picked.
  Variant SelectOnScreen(std::span<Arg> args) {
    if (args.size() == 1) RaiseError(u"SelectOnScreen", u"takes both filter arrays or neither");
    SelectionFilter filter;
    if (args.size() == 2) filter = SelectionFilter::FromVariants(args[0].value, args[1].value);
    drawing_->SelectOnScreen(key_, filter);
    return {};
  }

 private:
  const SelectionSet& Set() const { return drawing_->LiveSelectionSet(key_, u"SelectionSet"); }

  std::shared_ptr<Drawing> drawing_;
  std::int64_t key_;
};

constexpr Member<SelectionSetObject> kSetMembers[] = {
    {u"Name", false, &SelectionSetObject::Name},
    {u"Count", false, &SelectionSetObject::Count},
    {u"Item", true, &SelectionSetObject::Item, nullptr, 1, 1},
    {u"Clear", true, &SelectionSetObject::Clear},
    {u"Delete", true, &SelectionSetObject::Delete},
    {u"SelectOnScreen", true, &SelectionSetObject::SelectOnScreen, nullptr, 0, 2},
};

Variant SelectionSetObject::Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) {
  return Dispatch<SelectionSetObject>(*this, kSetMembers, *drawing_, ObjectKind::SelectionSet,
                                      member, kind, args);
}

}  // namespace

ObjectRef MakeSelectionSets(std::shared_ptr<Drawing> drawing) {
  return std::make_shared<SelectionSetsObject>(std::move(drawing));
}

ObjectRef MakeSelectionSet(std::shared_ptr<Drawing> drawing, std::int64_t key) {
  return std::make_shared<SelectionSetObject>(std::move(drawing), key);
}

}  // namespace kelvo::sim
