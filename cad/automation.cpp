#include "cad/automation.h"

namespace kelvo {

Variant Get(const ObjectRef& obj, std::u16string_view member) {
  return obj->Invoke(member, CallKind::MethodOrGet, {});
}

Variant Call(const ObjectRef& obj, std::u16string_view member, std::span<Arg> args) {
  return obj->Invoke(member, CallKind::Method, args);
}

void Put(const ObjectRef& obj, std::u16string_view member, Variant value, bool byRef) {
  Arg arg{std::move(value), byRef};
  obj->Invoke(member, CallKind::Put, std::span<Arg>(&arg, 1));
}

}  // namespace kelvo
