#pragma once
// Sole owner of one platform handle. Traits name the value that holds nothing
// and how to close a handle:
//   struct Traits {
//     using Value = ...;
//     static Value Invalid() noexcept;
//     static void Close(Value) noexcept;
//   };
// Invalid is a function because some "no handle" values, such as
// INVALID_HANDLE_VALUE, are not constant expressions.

#include <utility>

namespace kelvo {

template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Value owned) noexcept : value_(owned) {}
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Value get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }
  Value release() noexcept { return std::exchange(value_, Traits::Invalid()); }
  void reset(Value owned = Traits::Invalid()) noexcept {
    Value old = std::exchange(value_, owned);
    if (old != Traits::Invalid()) Traits::Close(old);
  }
  // For an out-parameter: closes what is held, then lends the slot to fill.
  Value* put() noexcept {
    reset();
    return &value_;
  }

 private:
  Value value_ = Traits::Invalid();
};

}  // namespace kelvo
