#include "sim/member_table.h"
#include "sim/sim_error.h"
#include "sim/sim_objects.h"

namespace kelvo::sim {
namespace {

class DocumentObject final : public AutoObject {
 public:
  explicit DocumentObject(std::shared_ptr<Drawing> drawing) : drawing_(std::move(drawing)) {}

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;
  void CheckUsable(std::u16string_view) const {}

  Variant SelectionSets(std::span<Arg>) { return Variant(MakeSelectionSets(drawing_)); }

  Variant ObjectIdToObject(std::span<Arg> args) {
    std::int64_t id = IntegerArg(args[0], u"ObjectIdToObject");
    drawing_->Live(id, u"ObjectIdToObject");
    return Variant(MakeEntity(drawing_, id));
  }

  Variant StartUndoMark(std::span<Arg>) {
    drawing_->StartUndoMark();
    return {};
  }
  Variant EndUndoMark(std::span<Arg>) {
    drawing_->EndUndoMark();
    return {};
  }

  // 0 regenerates the active viewport, 1 all of them.
  Variant Regen(std::span<Arg> args) {
    std::int64_t which = IntegerArg(args[0], u"Regen");
    if (which != 0 && which != 1) RaiseError(u"Regen", u"the argument must be 0 or 1");
    drawing_->Regen();
    return {};
  }

 private:
  std::shared_ptr<Drawing> drawing_;
};

constexpr Member<DocumentObject> kMembers[] = {
    {u"SelectionSets", false, &DocumentObject::SelectionSets},
    {u"ObjectIdToObject", true, &DocumentObject::ObjectIdToObject, nullptr, 1, 1},
    {u"Regen", true, &DocumentObject::Regen, nullptr, 1, 1},
    {u"StartUndoMark", true, &DocumentObject::StartUndoMark},
    {u"EndUndoMark", true, &DocumentObject::EndUndoMark},
};

Variant DocumentObject::Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) {
  return Dispatch<DocumentObject>(*this, kMembers, *drawing_, ObjectKind::Document, member, kind,
                                  args);
}

}  // namespace

ObjectRef MakeDocument(std::shared_ptr<Drawing> drawing) {
  return std::make_shared<DocumentObject>(std::move(drawing));
}

}  // namespace kelvo::sim
