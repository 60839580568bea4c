#include "sim/member_table.h"
#include "sim/sim_objects.h"
#include "sim/test_members.h"

namespace kelvo::sim {
namespace {

class ApplicationObject final : public AutoObject {
 public:
  explicit ApplicationObject(std::shared_ptr<Drawing> drawing) : drawing_(std::move(drawing)) {}

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override;
  void CheckUsable(std::u16string_view) const {}

  Variant Hwnd(std::span<Arg>) { return Variant(drawing_->WindowHandle()); }
  Variant ActiveDocument(std::span<Arg>) { return Variant(MakeDocument(drawing_)); }

 private:
  std::shared_ptr<Drawing> drawing_;
};

constexpr Member<ApplicationObject> kMembers[] = {
    {u"HWND", false, &ApplicationObject::Hwnd},
    {u"ActiveDocument", false, &ApplicationObject::ActiveDocument},
};

Variant ApplicationObject::Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) {
  if (IsTestMember(member)) return InvokeTestMember(*drawing_, member, kind, args);
  return Dispatch<ApplicationObject>(*this, kMembers, *drawing_, ObjectKind::Application, member,
                                     kind, args);
}

}  // namespace

ObjectRef MakeApplication(std::shared_ptr<Drawing> drawing) {
  return std::make_shared<ApplicationObject>(std::move(drawing));
}

}  // namespace kelvo::sim
