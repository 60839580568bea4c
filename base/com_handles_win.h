#pragma once
// Owners for the COM resources automation handles: BSTR, SAFEARRAY, VARIANT,
// EXCEPINFO and the thread's apartment. A BSTR and a SAFEARRAY are handles
// like any other; a VARIANT and an EXCEPINFO are structs with parts to free,
// so they keep classes of their own with the same get/put/release names.
// COM interface pointers use ComPtr.

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <string_view>

#include "base/handles_win.h"

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

using UniqueBstr = UniqueHandle<NullHandleTraits<BSTR, SysFreeString>>;
// A BSTR holding a copy of `text`, embedded NULs included; raises when out of
// memory. An empty text still gets a BSTR: some servers tell it from a null one.
UniqueBstr MakeBstr(std::u16string_view text);
// The text of a BSTR; a null BSTR is the empty string.
std::u16string BstrText(BSTR bstr);

using UniqueSafeArray = UniqueHandle<NullHandleTraits<SAFEARRAY*, SafeArrayDestroy>>;

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

// A VARIANT is cleared, not closed, and is handed over by value.
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
  // For an in-out parameter: what is held stays.
  VARIANT* addressof() noexcept { return &v_; }
  // For an out-parameter: clears what is held first.
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
  const EXCEPINFO& get() const noexcept { return info_; }
  // For Invoke to fill; it is only ever passed empty.
  EXCEPINFO* addressof() noexcept { return &info_; }

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
