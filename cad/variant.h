#pragma once
// Automation values as the CAD's object model exchanges them. Mirrors the
// VARIANT types the program uses; the Windows layer converts one-to-one.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kelvo {

class AutoObject;
using ObjectRef = std::shared_ptr<AutoObject>;

class Variant;
using VariantArray = std::vector<Variant>;
// A point is an array of three doubles (X, Y, Z), bounds 0 to 2.
using DoubleArray = std::vector<double>;
using Int16Array = std::vector<std::int16_t>;

class Variant {
 public:
  enum class Type {
    Empty,
    Int16,
    Int32,
    Int64,
    Double,
    Bool,
    String,
    DoubleArray,
    Int16Array,
    VariantArray,
    Object
  };

  Variant() = default;
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(std::int64_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(bool v) : value_(v) {}
  Variant(std::u16string v) : value_(std::move(v)) {}
  Variant(const char16_t* v) : value_(std::u16string(v)) {}
  Variant(DoubleArray v) : value_(std::move(v)) {}
  Variant(Int16Array v) : value_(std::move(v)) {}
  Variant(VariantArray v) : value_(std::move(v)) {}
  Variant(ObjectRef v) : value_(std::move(v)) {}

  Type type() const { return static_cast<Type>(value_.index()); }
  bool IsEmpty() const { return type() == Type::Empty; }

  // Typed reads with the coercions the CAD's answers need (any integer width,
  // Boolean as integer); anything else raises a type mismatch error.
  std::int64_t ToInt64() const;
  std::int32_t ToInt32() const;
  double ToDouble() const;
  bool ToBool() const;
  const std::u16string& ToString() const;
  const DoubleArray& ToDoubleArray() const;
  const ObjectRef& ToObject() const;

  // Direct access for the layers that convert values as they are.
  template <typename T>
  const T* Get() const {
    return std::get_if<T>(&value_);
  }

  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

 private:
  std::variant<std::monostate, std::int16_t, std::int32_t, std::int64_t, double, bool,
               std::u16string, DoubleArray, Int16Array, VariantArray, ObjectRef>
      value_;
};

// A point variant of three doubles.
inline Variant MakePoint(double x, double y, double z) {
  return Variant(DoubleArray{x, y, z});
}

}  // namespace kelvo
