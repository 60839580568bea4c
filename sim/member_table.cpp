#include "sim/member_table.h"

#include <cmath>

#include "base/text.h"
#include "sim/sim_error.h"

namespace kelvo::sim {

void RaiseUnknownMember(std::u16string_view member) {
  RaiseError(member, u"unknown member");
}

void CheckCallShape(std::u16string_view member, bool isMethod, bool writable, CallKind kind,
                    std::size_t argCount, std::size_t minArgs, std::size_t maxArgs) {
  switch (kind) {
    case CallKind::Put:
      if (!writable) RaiseError(member, u"cannot be written");
      if (argCount != 1) RaiseError(member, u"a write takes exactly one value");
      return;
    case CallKind::Method:
      if (!isMethod) RaiseError(member, u"is a property, not a method");
      break;
    case CallKind::MethodOrGet:
      break;
  }
  if (argCount < minArgs || argCount > maxArgs) {
    std::u16string expected = ToU16(static_cast<std::int64_t>(minArgs));
    if (maxArgs != minArgs) expected += u" to " + ToU16(static_cast<std::int64_t>(maxArgs));
    RaiseError(member, u"takes " + expected + u" argument(s), not " +
                           ToU16(static_cast<std::int64_t>(argCount)));
  }
}

std::int64_t IntegerArg(const Arg& arg, std::u16string_view member) {
  const Variant& v = arg.value;
  switch (v.type()) {
    case Variant::Type::Int16:
    case Variant::Type::Int32:
    case Variant::Type::Int64:
      return v.ToInt64();
    case Variant::Type::Double: {
      double d = v.ToDouble();
      // A whole number in a double, as a script language passes it.
      if (std::trunc(d) == d && std::fabs(d) < 9.0e18) return static_cast<std::int64_t>(d);
      break;
    }
    default:
      break;
  }
  RaiseError(member, u"an integer argument is expected");
}

double NumberArg(const Arg& arg, std::u16string_view member) {
  const Variant& v = arg.value;
  switch (v.type()) {
    case Variant::Type::Int16:
    case Variant::Type::Int32:
    case Variant::Type::Int64:
    case Variant::Type::Double:
      return v.ToDouble();
    default:
      RaiseError(member, u"a numeric argument is expected");
  }
}

bool BoolArg(const Arg& arg, std::u16string_view member) {
  const Variant& v = arg.value;
  switch (v.type()) {
    case Variant::Type::Bool:
    case Variant::Type::Int16:
    case Variant::Type::Int32:
    case Variant::Type::Int64:
      return v.ToBool();
    default:
      RaiseError(member, u"a Boolean argument is expected");
  }
}

std::u16string StringArg(const Arg& arg, std::u16string_view member) {
  const auto* s = arg.value.Get<std::u16string>();
  if (s == nullptr) RaiseError(member, u"a string argument is expected");
  return *s;
}

Point PointArg(const Variant& value, std::u16string_view member) {
  const auto* a = value.Get<DoubleArray>();
  if (a == nullptr || a->size() != 3) {
    RaiseError(member, u"a point (an array of three doubles) is expected");
  }
  return {(*a)[0], (*a)[1], (*a)[2]};
}

Variant PointValue(const Point& point) {
  return MakePoint(point[0], point[1], point[2]);
}

}  // namespace kelvo::sim
