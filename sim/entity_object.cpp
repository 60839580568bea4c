#include "sim/member_table.h"
#include "sim/sim_objects.h"

namespace kelvo::sim {
namespace {

class EntityObject final : public AutoObject {
 public:
  EntityObject(std::shared_ptr<Drawing> drawing, std::int64_t id, EntityKind kind)
      : drawing_(std::move(drawing)), id_(id), kind_(kind) {}

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;
  void CheckUsable(std::u16string_view member) const { drawing_->Live(id_, member); }

  Variant GetEntityName(std::span<Arg>) { return Variant(std::u16string(EntityName(kind_))); }
  Variant GetHandle(std::span<Arg>) { return Variant(Self().handle); }
  Variant GetLayer(std::span<Arg>) { return Variant(Self().layer); }
  Variant GetObjectId(std::span<Arg>) { return Variant(id_); }
  Variant GetTextString(std::span<Arg>) { return Variant(Self().text); }
  void PutTextString(const Variant& v) { drawing_->SetText(id_, StringArg(Arg{v}, u"TextString")); }
  Variant GetAlignment(std::span<Arg>) { return Variant(Self().alignment); }
  void PutAlignment(const Variant& v) {
    std::int64_t alignment = IntegerArg(Arg{v}, u"Alignment");
    // Out of range values are refused by the drawing, so do not let them wrap.
    if (alignment < INT32_MIN || alignment > INT32_MAX) alignment = -1;
    drawing_->SetAlignment(id_, static_cast<std::int32_t>(alignment));
  }
  Variant GetInsertionPoint(std::span<Arg>) { return PointValue(Self().insertion); }
  void PutInsertionPoint(const Variant& v) {
    drawing_->SetInsertionPoint(id_, PointArg(v, u"InsertionPoint"));
  }
  Variant GetTextAlignmentPoint(std::span<Arg>) { return PointValue(Self().alignmentPoint); }
  void PutTextAlignmentPoint(const Variant& v) {
    drawing_->SetAlignmentPoint(id_, PointArg(v, u"TextAlignmentPoint"));
  }
  Variant Copy(std::span<Arg>) { return Variant(MakeEntity(drawing_, drawing_->Copy(id_))); }
  Variant Delete(std::span<Arg>) {
    drawing_->Erase(id_);
    return {};
  }
  Variant Update(std::span<Arg>) {
    drawing_->Update(id_);
    return {};
  }

 private:
  const Entity& Self() const { return drawing_->Live(id_, EntityName(kind_)); }

  std::shared_ptr<Drawing> drawing_;
  std::int64_t id_;
  EntityKind kind_;
};

using M = Member<EntityObject>;
using E = EntityObject;

// Every entity answers the first kCommonMembers; only a text the rest.
constexpr std::size_t kCommonMembers = 7;
constexpr M kMembers[] = {
    {u"EntityName", false, &E::GetEntityName},
    {u"Handle", false, &E::GetHandle},
    {u"Layer", false, &E::GetLayer},
    {u"ObjectId", false, &E::GetObjectId},
    {u"Copy", true, &E::Copy},
    {u"Delete", true, &E::Delete},
    {u"Update", true, &E::Update},
    {u"TextString", false, &E::GetTextString, &E::PutTextString},
    {u"Alignment", false, &E::GetAlignment, &E::PutAlignment},
    {u"InsertionPoint", false, &E::GetInsertionPoint, &E::PutInsertionPoint},
    {u"TextAlignmentPoint", false, &E::GetTextAlignmentPoint, &E::PutTextAlignmentPoint},
};

Variant EntityObject::Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) {
  std::span<const M> table(kMembers);
  if (kind_ != EntityKind::Text) table = table.first(kCommonMembers);
  return Dispatch<EntityObject>(*this, table, *drawing_, ObjectKindOf(kind_), member, kind, args);
}

}  // namespace

ObjectRef MakeEntity(std::shared_ptr<Drawing> drawing, std::int64_t id) {
  const Entity* e = drawing->Find(id);
  EntityKind kind = e != nullptr ? e->kind : EntityKind::Text;
  return std::make_shared<EntityObject>(std::move(drawing), id, kind);
}

}  // namespace kelvo::sim
