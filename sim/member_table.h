#pragma once
// Late-bound dispatch for the simulated CAD's objects: a table of members per
// object, looked up by name without regard to case, each call checked for the
// call kind and the argument count the member takes. Property reads answer
// only a get, as a type-library dispatch does; methods answer both a get and
// a method call.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cad/automation.h"
#include "sim/call_log.h"
#include "sim/drawing.h"
#include "sim/entity.h"
#include "sim/name_match.h"

namespace kelvo::sim {

template <typename Object>
struct Member {
  std::u16string_view name;
  bool isMethod;
  Variant (Object::*call)(std::span<Arg> args);  // the read or the method
  void (Object::*put)(const Variant& value) = nullptr;
  std::size_t minArgs = 0;
  std::size_t maxArgs = 0;
};

template <typename Object>
const Member<Object>* FindMember(std::span<const Member<Object>> table, std::u16string_view name) {
  for (const auto& m : table) {
    if (SameName(m.name, name)) return &m;
  }
  return nullptr;
}

[[noreturn]] void RaiseUnknownMember(std::u16string_view member);
// Raises, naming the member, when it cannot be called this way.
void CheckCallShape(std::u16string_view member, bool isMethod, bool writable, CallKind kind,
                    std::size_t argCount, std::size_t minArgs, std::size_t maxArgs);

template <typename Object>
Variant InvokeMember(Object& self, const Member<Object>& m, CallKind kind, std::span<Arg> args) {
  CheckCallShape(m.name, m.isMethod, m.put != nullptr, kind, args.size(), m.minArgs, m.maxArgs);
  if (kind == CallKind::Put) {
    (self.*m.put)(args[0].value);
    return {};
  }
  return (self.*m.call)(args);
}

// One call on an object: records it in the drawing's log (where an arranged
// failure may end it), then checks that the object is still usable and that
// the call fits the member. Object::CheckUsable raises naming the member.
template <typename Object>
Variant Dispatch(Object& self, std::span<const Member<Object>> table, Drawing& drawing,
                 ObjectKind object, std::u16string_view member, CallKind kind,
                 std::span<Arg> args) {
  const Member<Object>* m = FindMember(table, member);
  drawing.BeginCall(object, m != nullptr ? m->name : member, kind);
  if (m == nullptr) RaiseUnknownMember(member);
  self.CheckUsable(m->name);
  return InvokeMember(self, *m, kind, args);
}

// Argument reads; byRef arguments are read as values. Each raises naming the member.
std::int64_t IntegerArg(const Arg& arg, std::u16string_view member);
double NumberArg(const Arg& arg, std::u16string_view member);
bool BoolArg(const Arg& arg, std::u16string_view member);
std::u16string StringArg(const Arg& arg, std::u16string_view member);
Point PointArg(const Variant& value, std::u16string_view member);
Variant PointValue(const Point& point);

}  // namespace kelvo::sim
