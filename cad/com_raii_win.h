#pragma once
// Owners for the COM resources the automation layer handles: BSTR, VARIANT,
// SAFEARRAY, EXCEPINFO and the thread's apartment. Each frees its resource
// exactly once, on every path. COM interface pointers use ComPtr.

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <string_view>
#include <utility>

namespace kelvo {

using Microsoft::WRL::ComPtr;

// A ComPtr taking over a reference already counted. MinGW's ComPtr::Attach
// adds a reference (Microsoft's does not), so it is never used here.
template <typename T>
ComPtr<T> Adopt(T* owned) noexcept {
  ComPtr<T> ptr;
  *ptr.GetAddressOf() = owned;
  return ptr;
}

class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(BSTR owned) noexcept : bstr_(owned) {}
  // Copies the text, embedded NULs included; raises when out of memory.
  static UniqueBstr From(std::u16string_view text);
  UniqueBstr(UniqueBstr&& other) noexcept : bstr_(other.release()) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return bstr_; }
  BSTR release() noexcept { return std::exchange(bstr_, nullptr); }
  void reset(BSTR owned = nullptr) noexcept {
    if (bstr_ != nullptr) SysFreeString(bstr_);
    bstr_ = owned;
  }
  // For out-parameters: frees what is held first.
  BSTR* put() noexcept {
    reset();
    return &bstr_;
  }

 private:
  BSTR bstr_ = nullptr;
};

// The text of a BSTR; a null BSTR is the empty string.
std::u16string BstrText(BSTR bstr);

class UniqueVariant {
 public:
  UniqueVariant() noexcept { VariantInit(&v_); }
  UniqueVariant(UniqueVariant&& other) noexcept : v_(other.release()) {}
  UniqueVariant& operator=(UniqueVariant&& other) noexcept {
    if (this != &other) {
      reset();
      v_ = other.release();
    }
    return *this;
  }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { reset(); }

  const VARIANT& get() const noexcept { return v_; }
  VARIANT* addressof() noexcept { return &v_; }
  // For out-parameters: clears what is held first.
  VARIANT* put() noexcept {
    reset();
    return &v_;
  }
  // Hands the value over; this is left empty.
  VARIANT release() noexcept {
    VARIANT out = v_;
    VariantInit(&v_);
    return out;
  }
  void reset() noexcept {
    VariantClear(&v_);
    VariantInit(&v_);
  }

 private:
  VARIANT v_;
};

class UniqueSafeArray {
 public:
  UniqueSafeArray() = default;
  explicit UniqueSafeArray(SAFEARRAY* owned) noexcept : array_(owned) {}
  UniqueSafeArray(UniqueSafeArray&& other) noexcept : array_(other.release()) {}
  UniqueSafeArray& operator=(UniqueSafeArray&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueSafeArray(const UniqueSafeArray&) = delete;
  UniqueSafeArray& operator=(const UniqueSafeArray&) = delete;
  ~UniqueSafeArray() { reset(); }

  SAFEARRAY* get() const noexcept { return array_; }
  SAFEARRAY* release() noexcept { return std::exchange(array_, nullptr); }
  void reset(SAFEARRAY* owned = nullptr) noexcept {
    if (array_ != nullptr) SafeArrayDestroy(array_);
    array_ = owned;
  }

 private:
  SAFEARRAY* array_ = nullptr;
};

// Direct access to a safe array's elements for the lifetime of the guard.
class SafeArrayData {
 public:
  // Raises with the system's text when the array cannot be locked.
  explicit SafeArrayData(SAFEARRAY* array);
  SafeArrayData(const SafeArrayData&) = delete;
  SafeArrayData& operator=(const SafeArrayData&) = delete;
  ~SafeArrayData() { SafeArrayUnaccessData(array_); }
  template <typename T>
  T* As() const noexcept {
    return static_cast<T*>(data_);
  }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

// The exception record of IDispatch::Invoke; its strings are freed with it.
class UniqueExcepInfo {
 public:
  UniqueExcepInfo() noexcept : info_{} {}
  UniqueExcepInfo(const UniqueExcepInfo&) = delete;
  UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
  ~UniqueExcepInfo() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
  }
  EXCEPINFO* addressof() noexcept { return &info_; }
  const EXCEPINFO& get() const noexcept { return info_; }

 private:
  EXCEPINFO info_;
};

// The calling thread inside a single-threaded apartment while this lives.
class ComApartment {
 public:
  // Raises with the system's text when the thread is already in another
  // kind of apartment.
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() { CoUninitialize(); }
};

}  // namespace kelvo
