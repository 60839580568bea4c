#include "cad/variant.h"

#include "base/error.h"

namespace kelvo {
namespace {

[[noreturn]] void Mismatch() {
  throw Error(u"型が一致しません");
}

}  // namespace

std::int64_t Variant::ToInt64() const {
  switch (type()) {
    case Type::Int16:
      return std::get<std::int16_t>(value_);
    case Type::Int32:
      return std::get<std::int32_t>(value_);
    case Type::Int64:
      return std::get<std::int64_t>(value_);
    case Type::Bool:
      return std::get<bool>(value_) ? -1 : 0;
    default:
      Mismatch();
  }
}

std::int32_t Variant::ToInt32() const {
  // Wider values keep their low 32 bits, as a window handle does.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ToInt64()));
}

double Variant::ToDouble() const {
  if (type() == Type::Double) return std::get<double>(value_);
  return static_cast<double>(ToInt64());
}

bool Variant::ToBool() const {
  if (type() == Type::Bool) return std::get<bool>(value_);
  return ToInt64() != 0;
}

const std::u16string& Variant::ToString() const {
  if (const auto* s = std::get_if<std::u16string>(&value_)) return *s;
  Mismatch();
}

const DoubleArray& Variant::ToDoubleArray() const {
  if (const auto* a = std::get_if<DoubleArray>(&value_)) return *a;
  Mismatch();
}

const ObjectRef& Variant::ToObject() const {
  const auto* o = std::get_if<ObjectRef>(&value_);
  if (o == nullptr || *o == nullptr) Mismatch();
  return *o;
}

}  // namespace kelvo
