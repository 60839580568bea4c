#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/com_handles_win.h"
#include "base/error.h"
#include "base/system_error_win.h"
#include "base/text.h"
#include "cad/dispatch_win.h"
#include "cad/variant_win.h"
#include "sim/dispatch_server_win.h"

namespace kelvo {
namespace {

class Nothing : public AutoObject {
 public:
  Variant Invoke(std::u16string_view, CallKind, std::span<Arg>) override { return {}; }
};

class ComVariantTest : public ::testing::Test {
 protected:
  ComApartment apartment_;
};

void ExpectBounds(const VARIANT& v, LONG lower, LONG upper) {
  ASSERT_NE(v.vt & VT_ARRAY, 0);
  ASSERT_EQ(SafeArrayGetDim(v.parray), 1u);
  LONG lb = -99;
  LONG ub = -99;
  SafeArrayGetLBound(v.parray, 1, &lb);
  SafeArrayGetUBound(v.parray, 1, &ub);
  EXPECT_EQ(lb, lower);
  EXPECT_EQ(ub, upper);
}

TEST_F(ComVariantTest, EveryTypeRoundTripsOneToOne) {
  struct Case {
    Variant value;
    VARTYPE vt;
  } cases[] = {
      {Variant(), VT_EMPTY},
      {Variant(std::int16_t{-5}), VT_I2},
      {Variant(std::int32_t{70000}), VT_I4},
      {Variant(std::int64_t{1} << 40), VT_I8},
      {Variant(-1.25), VT_R8},
      {Variant(true), VT_BOOL},
      {Variant(false), VT_BOOL},
      {Variant(u""), VT_BSTR},
      {Variant(std::u16string(u"会議室\0B", 5)), VT_BSTR},  // embedded NUL kept
      {Variant(DoubleArray{}), VT_ARRAY | VT_R8},
      {MakePoint(1.5, -2, 3e10), VT_ARRAY | VT_R8},
      {Variant(Int16Array{0, -1, 32767}), VT_ARRAY | VT_I2},
      {Variant(VariantArray{}), VT_ARRAY | VT_VARIANT},
      {Variant(VariantArray{Variant(u"TEXT")}), VT_ARRAY | VT_VARIANT},
      {Variant(
           VariantArray{Variant(std::int16_t{0}), Variant(VariantArray{Variant(2.5), Variant()})}),
       VT_ARRAY | VT_VARIANT},
      {Variant(ObjectRef()), VT_DISPATCH},
  };
  for (const Case& c : cases) {
    UniqueVariant v = ToVariant(c.value);
    EXPECT_EQ(v.get().vt, c.vt) << int(c.value.type());
    EXPECT_EQ(FromVariant(v.get()), c.value) << int(c.value.type());
  }
}

TEST_F(ComVariantTest, PointIsThreeDoublesBoundsZeroToTwo) {
  UniqueVariant v = ToVariant(MakePoint(1, 2, 3));
  ExpectBounds(v.get(), 0, 2);
  SafeArrayData data(v.get().parray);
  EXPECT_EQ(data.As<double>()[2], 3.0);
}

TEST_F(ComVariantTest, FilterPairIsOneElementArrays) {
  UniqueVariant types = ToVariant(Int16Array{0});
  UniqueVariant data = ToVariant(VariantArray{Variant(u"TEXT")});
  ExpectBounds(types.get(), 0, 0);
  ExpectBounds(data.get(), 0, 0);
  SafeArrayData items(data.get().parray);
  EXPECT_EQ(items.As<VARIANT>()[0].vt, VT_BSTR);
  EXPECT_EQ(BstrText(items.As<VARIANT>()[0].bstrVal), u"TEXT");
}

// Builds a VARIANT by hand, the way some server might send it.
UniqueVariant Make(const std::function<void(VARIANT&)>& fill) {
  UniqueVariant v;
  fill(*v.addressof());
  return v;
}

UniqueSafeArray Vector(VARTYPE type, LONG lower, ULONG count) {
  SAFEARRAYBOUND bound{count, lower};
  return UniqueSafeArray(SafeArrayCreate(type, 1, &bound));
}

TEST_F(ComVariantTest, ReadsWhatServersSendLeniently) {
  // Referents of the VT_BYREF cases; a reference owns nothing.
  std::int64_t id = 4321;
  UniqueBstr name = MakeBstr(u"ssTemp");
  BSTR nameRef = name.get();
  UniqueVariant inner = ToVariant(Variant(std::int32_t{7}));
  UniqueVariant point = ToVariant(MakePoint(1, 2, 3));

  struct Case {
    const char* what;
    UniqueVariant v;
    Variant expected;
  };
  Case cases[] = {
      {"null", Make([](VARIANT& v) { v.vt = VT_NULL; }), Variant()},
      {"i1", Make([](VARIANT& v) { v.vt = VT_I1, v.cVal = -3; }), Variant(std::int16_t{-3})},
      {"ui1", Make([](VARIANT& v) { v.vt = VT_UI1, v.bVal = 200; }), Variant(std::int16_t{200})},
      {"ui2", Make([](VARIANT& v) { v.vt = VT_UI2, v.uiVal = 65535; }),
       Variant(std::int32_t{65535})},
      {"int", Make([](VARIANT& v) { v.vt = VT_INT, v.intVal = -9; }), Variant(std::int32_t{-9})},
      {"ui4", Make([](VARIANT& v) { v.vt = VT_UI4, v.ulVal = 4000000000u; }),
       Variant(std::int64_t{4000000000})},
      {"uint", Make([](VARIANT& v) { v.vt = VT_UINT, v.uintVal = 4000000000u; }),
       Variant(std::int64_t{4000000000})},
      {"ui8", Make([](VARIANT& v) { v.vt = VT_UI8, v.ullVal = 12; }), Variant(std::int64_t{12})},
      {"r4", Make([](VARIANT& v) { v.vt = VT_R4, v.fltVal = 2.5f; }), Variant(2.5)},
      {"null bstr", Make([](VARIANT& v) { v.vt = VT_BSTR, v.bstrVal = nullptr; }), Variant(u"")},
      {"null dispatch", Make([](VARIANT& v) { v.vt = VT_DISPATCH, v.pdispVal = nullptr; }),
       Variant(ObjectRef())},
      {"byref i8", Make([&](VARIANT& v) { v.vt = VT_BYREF | VT_I8, v.pllVal = &id; }),
       Variant(std::int64_t{4321})},
      {"byref bstr", Make([&](VARIANT& v) { v.vt = VT_BYREF | VT_BSTR, v.pbstrVal = &nameRef; }),
       Variant(u"ssTemp")},
      {"byref variant",
       Make([&](VARIANT& v) { v.vt = VT_BYREF | VT_VARIANT, v.pvarVal = inner.addressof(); }),
       Variant(std::int32_t{7})},
      {"byref point", Make([&](VARIANT& v) {
         v.vt = VT_BYREF | VT_ARRAY | VT_R8, v.pparray = &point.addressof()->parray;
       }),
       MakePoint(1, 2, 3)},
      {"variants holding doubles", Make([](VARIANT& v) {
         UniqueSafeArray a = Vector(VT_VARIANT, 0, 3);
         {
           SafeArrayData d(a.get());
           for (int i = 0; i < 3; ++i) d.As<VARIANT>()[i].vt = VT_R8, d.As<VARIANT>()[i].dblVal = i;
           d.As<VARIANT>()[1].vt = VT_R4, d.As<VARIANT>()[1].fltVal = 0.5f;
         }
         v.vt = VT_ARRAY | VT_VARIANT, v.parray = a.release();
       }),
       Variant(DoubleArray{0, 0.5, 2})},
      {"lower bound 1", Make([](VARIANT& v) {
         UniqueSafeArray a = Vector(VT_R8, 1, 2);
         {
           SafeArrayData d(a.get());
           d.As<double>()[0] = 8, d.As<double>()[1] = 9;
         }
         v.vt = VT_ARRAY | VT_R8, v.parray = a.release();
       }),
       Variant(DoubleArray{8, 9})},
      {"long array", Make([](VARIANT& v) {
         UniqueSafeArray a = Vector(VT_I4, -1, 2);
         {
           SafeArrayData d(a.get());
           d.As<LONG>()[0] = -1, d.As<LONG>()[1] = 100000;
         }
         v.vt = VT_ARRAY | VT_I4, v.parray = a.release();
       }),
       Variant(VariantArray{Variant(std::int32_t{-1}), Variant(std::int32_t{100000})})},
  };
  for (const Case& c : cases) EXPECT_EQ(FromVariant(c.v.get()), c.expected) << c.what;
}

TEST_F(ComVariantTest, WhatCannotBeReadRaisesTypeMismatch) {
  const std::u16string mismatch = SystemErrorText(DISP_E_TYPEMISMATCH);
  std::vector<UniqueVariant> cases;
  cases.push_back(Make([](VARIANT& v) { v.vt = VT_DATE, v.date = 1; }));
  cases.push_back(Make([](VARIANT& v) { v.vt = VT_CY, v.cyVal.int64 = 1; }));
  cases.push_back(Make([](VARIANT& v) { v.vt = VT_ERROR, v.scode = E_FAIL; }));
  cases.push_back(Make([](VARIANT& v) { v.vt = VT_UI8, v.ullVal = ~0ull; }));
  cases.push_back(Make([](VARIANT& v) {
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
    v.parray = SafeArrayCreate(VT_R8, 2, bounds);
    v.vt = VT_ARRAY | VT_R8;
  }));
  cases.push_back(Make([](VARIANT& v) {
    v.parray = Vector(VT_DATE, 0, 1).release();
    v.vt = VT_ARRAY | VT_DATE;
  }));
  // An array whose declared type disagrees with its layout is not read.
  cases.push_back(Make([](VARIANT& v) {
    v.parray = Vector(VT_I2, 0, 4).release();
    v.vt = VT_ARRAY | VT_R8;
  }));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    try {
      FromVariant(cases[i].get());
      ADD_FAILURE() << "case " << i << " was read";
    } catch (const Error& e) {
      EXPECT_EQ(e.text(), mismatch) << "case " << i;
    }
  }
}

TEST_F(ComVariantTest, StoreByRefKeepsTheReferencedType) {
  std::int64_t id = 1;
  VARIANT ref{};
  ref.vt = VT_BYREF | VT_I8;
  ref.pllVal = &id;
  StoreByRef(ref, Variant(std::int32_t{77}));
  EXPECT_EQ(id, 77);

  UniqueVariant name = ToVariant(Variant(u"old"));
  ref.vt = VT_BYREF | VT_BSTR;
  ref.pbstrVal = &name.addressof()->bstrVal;
  StoreByRef(ref, Variant(u"新しい名前"));
  EXPECT_EQ(FromVariant(name.get()), Variant(u"新しい名前"));
  // A value that does not convert leaves the referent alone.
  EXPECT_THROW(StoreByRef(ref, Variant(DoubleArray{1})), Error);
  EXPECT_EQ(FromVariant(name.get()), Variant(u"新しい名前"));

  UniqueVariant any = ToVariant(Variant(u"x"));
  ref.vt = VT_BYREF | VT_VARIANT;
  ref.pvarVal = any.addressof();
  StoreByRef(ref, MakePoint(4, 5, 6));
  EXPECT_EQ(any.get().vt, VT_ARRAY | VT_R8);
  EXPECT_EQ(FromVariant(any.get()), MakePoint(4, 5, 6));
}

TEST_F(ComVariantTest, ObjectsCrossThroughTheirBridge) {
  auto object = std::make_shared<Nothing>();
  // A client has no way to serve its own objects.
  EXPECT_THROW(ToVariant(Variant(ObjectRef(object))), Error);

  UniqueVariant served = ToVariant(Variant(ObjectRef(object)), DispatchServer::Bridge());
  ASSERT_EQ(served.get().vt, VT_DISPATCH);
  // The server recognises its own object coming back...
  EXPECT_EQ(FromVariant(served.get(), DispatchServer::Bridge()).ToObject(), object);
  // ...and a client wraps it, handing out the same IDispatch again.
  ObjectRef remote = FromVariant(served.get()).ToObject();
  auto* wrapped = dynamic_cast<DispatchObject*>(remote.get());
  ASSERT_NE(wrapped, nullptr);
  EXPECT_EQ(wrapped->dispatch(), served.get().pdispVal);
  UniqueVariant again = ToVariant(Variant(remote));
  EXPECT_EQ(again.get().pdispVal, served.get().pdispVal);
}

}  // namespace
}  // namespace kelvo
