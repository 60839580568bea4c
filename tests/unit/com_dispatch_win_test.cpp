#include <gtest/gtest.h>

#include "base/status_text.h"

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/com_handles_win.h"
#include "base/error.h"
#include "base/system_error_win.h"
#include "base/text.h"
#include "cad/dispatch_win.h"
#include "cad/running_objects_win.h"
#include "cad/variant_win.h"
#include "sim/active_object_win.h"
#include "sim/dispatch_server_win.h"

namespace kelvo {
namespace {

bool Same(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const Variant& First(std::span<Arg> args) {
  if (args.empty()) throw Error(u"引数がありません");
  return args[0].value;
}

// A small object model: names match without regard to case, failures carry a
// description, and every call is logged with its by-reference flags.
class FakeObject : public AutoObject {
 public:
  struct Call {
    std::u16string member;
    CallKind kind;
    std::vector<bool> byRef;
  };

  Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) override {
    Call call{std::u16string(member), kind, {}};
    for (const Arg& a : args) call.byRef.push_back(a.byRef);
    calls.push_back(call);

    if (Same(member, u"Name")) {
      if (kind == CallKind::Put) name = First(args).ToString();
      return kind == CallKind::Put ? Variant() : Variant(name);
    }
    if (Same(member, u"Twice")) return std::int32_t{First(args).ToInt32() * 2};
    if (Same(member, u"Child")) {
      if (!child) child = std::make_shared<FakeObject>();
      return ObjectRef(child);
    }
    if (Same(member, u"IsChild")) return First(args).ToObject() == child;
    if (Same(member, u"Echo")) return First(args);
    if (Same(member, u"Nudge")) {  // (id, point, name), all by reference
      if (args.size() != 3) throw Error(u"引数の数が違います");
      args[0].value = std::int64_t{args[0].value.ToInt64() + 1};
      DoubleArray p = args[1].value.ToDoubleArray();
      p.at(0) += 10;
      args[1].value = p;
      args[2].value = args[2].value.ToString() + u"!";
      return true;
    }
    if (Same(member, u"Fail")) throw Error(u"図面が開いていません");
    if (Same(member, u"Crash")) throw std::runtime_error("broken");
    if (Same(member, u"Throw42")) throw 42;
    throw Error(u"メンバー '" + std::u16string(member) + u"' がありません");
  }

  std::u16string name = u"BricsCAD";
  std::shared_ptr<FakeObject> child;
  std::vector<Call> calls;
};

// Fixed identities for the test ProgIDs, so that reruns overwrite their keys.
constexpr CLSID kServerClsid = {
    0x0d6e3c51, 0x6f0b, 0x4c51, {0xa5, 0x0e, 0x52, 0x11, 0x7c, 0x3b, 0x90, 0x01}};
constexpr CLSID kIdleClsid = {
    0x0d6e3c51, 0x6f0b, 0x4c51, {0xa5, 0x0e, 0x52, 0x11, 0x7c, 0x3b, 0x90, 0x02}};
constexpr CLSID kRemoteClsid = {
    0x0d6e3c51, 0x6f0b, 0x4c51, {0xa5, 0x0e, 0x52, 0x11, 0x7c, 0x3b, 0x90, 0x03}};
constexpr char16_t kServerProgId[] = u"KelvoTest.ComServer";
constexpr char16_t kIdleProgId[] = u"KelvoTest.ComIdle";
constexpr char16_t kRemoteProgId[] = u"KelvoTest.ComRemote";
constexpr char16_t kUnknownProgId[] = u"KelvoTest.ComNeverRegistered";

std::u16string ErrorText(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& e) {
    return e.text();
  }
  return u"(no error)";
}

class ComDispatchTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"KelvoTest.ComServer");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"KelvoTest.ComIdle");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"KelvoTest.ComRemote");
  }

  ComApartment apartment_;
  std::shared_ptr<FakeObject> app_ = std::make_shared<FakeObject>();
  ComPtr<IDispatch> server_ = DispatchServer::Create(app_);
  ActiveObject registration_{kServerProgId, kServerClsid, server_.Get()};
  ComRunningObjects running_;
};

TEST_F(ComDispatchTest, RunningObjectIsFoundAndCalledByName) {
  ASSERT_TRUE(running_.IsRunning(kServerProgId));
  ObjectRef app = running_.Attach(kServerProgId);
  ASSERT_NE(dynamic_cast<DispatchObject*>(app.get()), nullptr);

  EXPECT_EQ(Get(app, u"Name"), Variant(u"BricsCAD"));
  Put(app, u"name", Variant(u"図面1"));  // any spelling reaches the member
  EXPECT_EQ(app_->name, u"図面1");
  Arg three{Variant(std::int32_t{3})};
  EXPECT_EQ(Call(app, u"TWICE", std::span<Arg>(&three, 1)), Variant(std::int32_t{6}));

  ASSERT_EQ(app_->calls.size(), 3u);
  EXPECT_EQ(app_->calls[0].kind, CallKind::MethodOrGet);
  EXPECT_EQ(app_->calls[1].kind, CallKind::Put);
  EXPECT_EQ(app_->calls[2].kind, CallKind::Method);
  EXPECT_EQ(app_->calls[2].byRef, std::vector<bool>{false});
}

TEST_F(ComDispatchTest, EveryValueCrossesBothWays) {
  ObjectRef app = running_.Attach(kServerProgId);
  const Variant values[] = {
      Variant(),
      Variant(std::int16_t{-2}),
      Variant(std::int32_t{-70000}),
      Variant(std::int64_t{0x123456789}),
      Variant(0.1),
      Variant(true),
      Variant(u"ﾃｽﾄ\r\n"),
      MakePoint(1, 2, 3),
      Variant(Int16Array{0}),
      Variant(VariantArray{Variant(u"TEXT")}),
      Variant(ObjectRef()),
  };
  for (const Variant& v : values) {
    Arg arg{v};
    EXPECT_EQ(Call(app, u"Echo", std::span<Arg>(&arg, 1)), v) << int(v.type());
  }
}

TEST_F(ComDispatchTest, ByReferenceArgumentsComeBackChanged) {
  ObjectRef app = running_.Attach(kServerProgId);
  Arg args[] = {
      {Variant(std::int64_t{41}), true}, {MakePoint(1, 2, 3), true}, {Variant(u"ssTemp"), true}};
  EXPECT_EQ(Call(app, u"Nudge", args), Variant(true));
  EXPECT_EQ(args[0].value, Variant(std::int64_t{42}));
  EXPECT_EQ(args[1].value, MakePoint(11, 2, 3));
  EXPECT_EQ(args[2].value, Variant(u"ssTemp!"));
  EXPECT_EQ(app_->calls.back().byRef, (std::vector<bool>{true, true, true}));

  // Untouched by the object, a by-reference value comes back as it went.
  Arg same{Variant(u"keep"), true};
  EXPECT_EQ(Call(app, u"Echo", std::span<Arg>(&same, 1)), Variant(u"keep"));
  EXPECT_EQ(same.value, Variant(u"keep"));
}

TEST_F(ComDispatchTest, ReturnedObjectsAreCalledAndPassedBack) {
  ObjectRef app = running_.Attach(kServerProgId);
  ObjectRef child = Get(app, u"Child").ToObject();
  EXPECT_EQ(Get(child, u"Name"), Variant(u"BricsCAD"));
  Put(child, u"Name", Variant(u"子"));
  EXPECT_EQ(app_->child->name, u"子");
  EXPECT_EQ(app_->name, u"BricsCAD");
  // Passed back, the server sees its own object again.
  Arg arg{Variant(child)};
  EXPECT_EQ(Call(app, u"IsChild", std::span<Arg>(&arg, 1)), Variant(true));

  // Once the client lets go, the servers let go of the objects they served.
  arg.value = Variant();
  child.reset();
  app.reset();
  EXPECT_EQ(app_->child.use_count(), 1);
}

TEST_F(ComDispatchTest, ServerLivesAsLongAsItsReferences) {
  auto object = std::make_shared<FakeObject>();
  std::weak_ptr<FakeObject> watch = object;
  ComPtr<IDispatch> server = DispatchServer::Create(std::move(object));
  ComPtr<IDispatch> second = server;
  server = nullptr;
  EXPECT_FALSE(watch.expired());
  second = nullptr;
  EXPECT_TRUE(watch.expired());
}

TEST_F(ComDispatchTest, ServerErrorsArriveWithTheirDescription) {
  ObjectRef app = running_.Attach(kServerProgId);
  EXPECT_EQ(ErrorText([&] { Get(app, u"Fail"); }), u"図面が開いていません");
  EXPECT_EQ(ErrorText([&] { Get(app, u"NoSuchMember"); }), u"メンバー 'NoSuchMember' がありません");
  EXPECT_EQ(ErrorText([&] { Get(app, u"Crash"); }), u"broken");
  EXPECT_EQ(ErrorText([&] { Get(app, u"Throw42"); }), SystemErrorText(E_UNEXPECTED));
  // A value the server cannot take fails inside the server, not here.
  Arg bad{Variant(u"x")};
  EXPECT_EQ(ErrorText([&] { Call(app, u"Twice", std::span<Arg>(&bad, 1)); }), u"型が一致しません");
}

TEST_F(ComDispatchTest, ProgIdsThatAreNotRunningOrNotKnown) {
  RegisterProgId(kIdleProgId, kIdleClsid);
  EXPECT_FALSE(running_.IsRunning(kIdleProgId));
  EXPECT_EQ(ErrorText([&] { running_.Attach(kIdleProgId); }), SystemErrorText(MK_E_UNAVAILABLE));

  const std::u16string unknown = SystemErrorText(CO_E_CLASSSTRING);
  for (std::u16string_view progId : {std::u16string_view(kUnknownProgId), std::u16string_view(),
                                     std::u16string_view(u"KelvoTest.ComServer\0x", 21)}) {
    EXPECT_EQ(ErrorText([&] { running_.IsRunning(progId); }), unknown) << ToUtf8(progId);
    EXPECT_EQ(ErrorText([&] { running_.Attach(progId); }), unknown) << ToUtf8(progId);
  }
}

TEST_F(ComDispatchTest, WineRefusesAnEmptyProgIdByItself) {
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromProgID(L"", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(CLSIDFromProgID(L"KelvoTest.ComNeverRegistered", &clsid), CO_E_CLASSSTRING);
}

TEST_F(ComDispatchTest, RegistrationEndsWithItsOwner) {
  {
    ActiveObject second(kIdleProgId, kIdleClsid, server_.Get());
    EXPECT_TRUE(running_.IsRunning(kIdleProgId));
  }
  EXPECT_FALSE(running_.IsRunning(kIdleProgId));
}

TEST_F(ComDispatchTest, ServerGivesEverySpellingOfANameOneId) {
  auto ids = [&](const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    EXPECT_EQ(server_->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    return id;
  };
  EXPECT_EQ(ids(L"Copy"), ids(L"copy"));
  EXPECT_EQ(ids(L"COPY"), ids(L"Copy"));
  EXPECT_NE(ids(L"Copy"), ids(L"Delete"));
  EXPECT_GT(ids(L"Copy"), 0);

  DISPPARAMS none{};
  EXPECT_EQ(server_->Invoke(9999, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  // Without an EXCEPINFO the failure is still reported, not thrown.
  EXPECT_EQ(
      server_->Invoke(ids(L"Fail"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
      DISP_E_EXCEPTION);
  UINT count = 9;
  EXPECT_EQ(server_->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

// Serves an object from a second apartment, so that every call goes through
// COM's marshalling as a call into another process would.
class ServerThread {
 public:
  explicit ServerThread(std::shared_ptr<FakeObject> object) {
    std::promise<std::u16string> started;
    std::future<std::u16string> result = started.get_future();
    thread_ = std::thread([this, object, &started] {
      try {
        ComApartment apartment;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue the quit is posted to
        ComPtr<IDispatch> server = DispatchServer::Create(object);
        ActiveObject registration(kRemoteProgId, kRemoteClsid, server.Get());
        threadId_ = GetCurrentThreadId();
        started.set_value(u"");
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      } catch (const Error& e) {
        started.set_value(e.text());
      }
    });
    failure = result.get();
  }
  ~ServerThread() {
    if (failure.empty()) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  std::u16string failure;

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
};

class ComCrossApartmentTest : public ComDispatchTest {
 protected:
  std::shared_ptr<FakeObject> remote_ = std::make_shared<FakeObject>();
  ServerThread thread_{remote_};
};

TEST_F(ComCrossApartmentTest, MarshalledCallsKeepValuesReferencesAndErrors) {
  ASSERT_EQ(thread_.failure, u"");
  ASSERT_TRUE(running_.IsRunning(kRemoteProgId));
  ObjectRef app = running_.Attach(kRemoteProgId);
  auto* client = dynamic_cast<DispatchObject*>(app.get());
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(DispatchServer::Unwrap(client->dispatch()), nullptr);  // a proxy, not our server

  const Variant values[] = {Variant(std::int64_t{-5}), Variant(u"会議室"), MakePoint(1, 2, 3),
                            Variant(Int16Array{0}), Variant(VariantArray{Variant(u"TEXT")})};
  for (const Variant& v : values) {
    Arg arg{v};
    EXPECT_EQ(Call(app, u"Echo", std::span<Arg>(&arg, 1)), v) << int(v.type());
  }

  Arg args[] = {
      {Variant(std::int64_t{41}), true}, {MakePoint(1, 2, 3), true}, {Variant(u"ssTemp"), true}};
  EXPECT_EQ(Call(app, u"Nudge", args), Variant(true));
  EXPECT_EQ(args[0].value, Variant(std::int64_t{42}));
  EXPECT_EQ(args[1].value, MakePoint(11, 2, 3));
  EXPECT_EQ(args[2].value, Variant(u"ssTemp!"));

  ObjectRef child = Get(app, u"Child").ToObject();
  Put(child, u"Name", Variant(u"子"));
  EXPECT_EQ(remote_->child->name, u"子");
  Arg back{Variant(child)};
  EXPECT_EQ(Call(app, u"IsChild", std::span<Arg>(&back, 1)), Variant(true));

  EXPECT_EQ(ErrorText([&] { Get(app, u"Fail"); }), u"図面が開いていません");
  EXPECT_EQ(ErrorText([&] { Get(app, u"NoSuchMember"); }), u"メンバー 'NoSuchMember' がありません");
}

// An IDispatch that records how it is called and answers as told.
class ScriptedDispatch : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID locale,
                                          DISPID* ids) override {
    lookups.push_back(FromWide(names[0]));
    lookupLocale = locale;
    ids[0] = 7;
    return namesResult;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override {
    invokedId = id;
    this->flags = flags;
    named.assign(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
    types.clear();
    for (UINT i = 0; i < params->cArgs; ++i) types.push_back(params->rgvarg[i].vt);
    hadResult = result != nullptr;
    if (invokeResult == DISP_E_EXCEPTION) {
      exception->bstrDescription = SysAllocString(description);
      exception->scode = scode;
      exception->pfnDeferredFillIn = deferred;
      exception->bstrSource = SysAllocString(L"ScriptedDispatch");
    } else if (SUCCEEDED(invokeResult) && result != nullptr) {
      result->vt = VT_I4;
      result->lVal = 5;
    }
    return invokeResult;
  }

  static std::u16string FromWide(const wchar_t* text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text));
  }

  ULONG refs = 1;
  HRESULT namesResult = S_OK;
  HRESULT invokeResult = S_OK;
  const wchar_t* description = nullptr;
  SCODE scode = 0;
  HRESULT(STDAPICALLTYPE* deferred)(EXCEPINFO*) = nullptr;

  std::vector<std::u16string> lookups;
  LCID lookupLocale = 0;
  DISPID invokedId = 0;
  WORD flags = 0;
  std::vector<DISPID> named;
  std::vector<VARTYPE> types;  // as in DISPPARAMS: last argument first
  bool hadResult = false;
};

class ComDispatchClientTest : public ::testing::Test {
 protected:
  ComApartment apartment_;
  ScriptedDispatch fake_;
  ObjectRef object_ = std::make_shared<DispatchObject>(ComPtr<IDispatch>(&fake_));
};

TEST_F(ComDispatchClientTest, EachCallLooksTheNameUpAgain) {
  Get(object_, u"Count");
  Get(object_, u"Count");
  EXPECT_EQ(fake_.lookups, (std::vector<std::u16string>{u"Count", u"Count"}));
  EXPECT_EQ(fake_.lookupLocale, GetThreadLocale());
  EXPECT_EQ(fake_.invokedId, 7);
}

TEST_F(ComDispatchClientTest, CallShapesAndArgumentTypes) {
  EXPECT_EQ(Get(object_, u"HWND"), Variant(std::int32_t{5}));
  EXPECT_EQ(fake_.flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
  EXPECT_TRUE(fake_.types.empty());
  EXPECT_TRUE(fake_.hadResult);

  Put(object_, u"TextString", Variant(u"101号室"));
  EXPECT_EQ(fake_.flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(fake_.named, std::vector<DISPID>{DISPID_PROPERTYPUT});
  EXPECT_EQ(fake_.types, std::vector<VARTYPE>{VT_BSTR});

  Put(object_, u"Alignment", Variant(std::int32_t{1}), true);
  EXPECT_EQ(fake_.types, std::vector<VARTYPE>{VT_BYREF | VT_I4});

  Arg args[] = {{Variant(std::int64_t{1}), true},
                {MakePoint(0, 0, 0), true},
                {Variant(u"ssTemp"), true},
                {Variant(std::int32_t{0})},
                {Variant(), true}};
  Call(object_, u"Anything", args);
  EXPECT_EQ(fake_.flags, DISPATCH_METHOD);
  EXPECT_TRUE(fake_.named.empty());
  EXPECT_EQ(fake_.types, (std::vector<VARTYPE>{VT_BYREF | VT_VARIANT, VT_I4, VT_BYREF | VT_BSTR,
                                               VT_BYREF | VT_ARRAY | VT_R8, VT_BYREF | VT_I8}));
  EXPECT_EQ(fake_.refs, 2u);  // the fake's own and the DispatchObject's
}

HRESULT STDAPICALLTYPE FillLate(EXCEPINFO* info) {
  info->bstrDescription = SysAllocString(L"後から届いた説明");
  return S_OK;
}

TEST_F(ComDispatchClientTest, FailuresCarryTheServersTextElseTheSystems) {
  struct Case {
    HRESULT names;
    HRESULT invoke;
    const wchar_t* description;
    SCODE scode;
    HRESULT(STDAPICALLTYPE* deferred)(EXCEPINFO*);
    std::u16string expected;
  } cases[] = {
      {DISP_E_UNKNOWNNAME, S_OK, nullptr, 0, nullptr, SystemErrorText(DISP_E_UNKNOWNNAME)},
      {S_OK, RPC_E_SERVER_DIED, nullptr, 0, nullptr, SystemErrorText(RPC_E_SERVER_DIED)},
      {S_OK, RPC_E_CALL_REJECTED, nullptr, 0, nullptr, SystemErrorText(RPC_E_CALL_REJECTED)},
      {S_OK, DISP_E_EXCEPTION, L"選択セットがありません", E_FAIL, nullptr,
       u"選択セットがありません"},
      {S_OK, DISP_E_EXCEPTION, L"", E_ACCESSDENIED, nullptr, SystemErrorText(E_ACCESSDENIED)},
      {S_OK, DISP_E_EXCEPTION, nullptr, 0, nullptr, SystemErrorText(DISP_E_EXCEPTION)},
      {S_OK, DISP_E_EXCEPTION, nullptr, 0, FillLate, u"後から届いた説明"},
  };
  for (const Case& c : cases) {
    fake_.namesResult = c.names;
    fake_.invokeResult = c.invoke;
    fake_.description = c.description;
    fake_.scode = c.scode;
    fake_.deferred = c.deferred;
    EXPECT_EQ(ErrorText([&] { Get(object_, u"ActiveDocument"); }), c.expected)
        << std::hex << c.names << " " << c.invoke;
  }
  EXPECT_EQ(fake_.refs, 2u);
}

TEST_F(ComDispatchClientTest, NamesWithANulAreNotLookedUp) {
  EXPECT_EQ(ErrorText([&] { Get(object_, std::u16string_view(u"Count\0x", 7)); }),
            SystemErrorText(DISP_E_UNKNOWNNAME));
  EXPECT_TRUE(fake_.lookups.empty());
}

// Where the system has no text for a status the user meets, a sentence that
// says what to do stands in; never the bare code.
TEST(ComErrorTextTest, StatusesTheUserMeetsAreNeverABareCode) {
  for (HRESULT status : {CO_E_CLASSSTRING, MK_E_UNAVAILABLE, REGDB_E_CLASSNOTREG,
                         RPC_E_DISCONNECTED, RPC_E_CALL_REJECTED, DISP_E_MEMBERNOTFOUND,
                         DISP_E_UNKNOWNNAME, DISP_E_EXCEPTION}) {
    std::u16string text = SystemErrorText(status);
    EXPECT_NE(text, StatusCodeText(static_cast<std::uint32_t>(status))) << std::hex << status;
    EXPECT_FALSE(text.empty());
  }
  EXPECT_EQ(SystemErrorText(static_cast<HRESULT>(0x8004FFFF)), u"エラー 0x8004FFFF");
}

}  // namespace
}  // namespace kelvo
