#include <gtest/gtest.h>

#include <thread>

#include "base/com_handles_win.h"
#include "cad/message_filter_win.h"

namespace kelvo {
namespace {

// Stands for a filter some other code registered before ours.
class DummyFilter : public IMessageFilter {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // lives on the stack
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
    return SERVERCALL_ISHANDLED;
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return 0; }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override {
    return PENDINGMSG_WAITDEFPROCESS;
  }
  ULONG refs = 1;
};

class ComMessageFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoRegisterMessageFilter(&dummy_, nullptr), S_OK);
    ASSERT_EQ(dummy_.refs, 2u);
  }
  void TearDown() override {
    ComPtr<IMessageFilter> last;
    CoRegisterMessageFilter(nullptr, last.GetAddressOf());
  }
  // The filter registered now, left registered.
  IMessageFilter* Current() {
    ComPtr<IMessageFilter> current;
    CoRegisterMessageFilter(nullptr, current.GetAddressOf());
    CoRegisterMessageFilter(current.Get(), nullptr);
    return current.Get();
  }

  ComApartment apartment_;
  DummyFilter dummy_;
};

TEST_F(ComMessageFilterTest, RepliesThroughTheInterface) {
  ComPtr<IMessageFilter> filter = TMessageFilter::Create();
  EXPECT_EQ(filter->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr),
            DWORD{SERVERCALL_ISHANDLED});
  EXPECT_EQ(filter->RetryRejectedCall(nullptr, 10, SERVERCALL_RETRYLATER), 1000u);
  EXPECT_EQ(filter->RetryRejectedCall(nullptr, 10, SERVERCALL_REJECTED), 0xFFFFFFFFu);
  EXPECT_EQ(filter->MessagePending(nullptr, 10, PENDINGTYPE_TOPLEVEL),
            DWORD{PENDINGMSG_WAITNOPROCESS});
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(filter.As(&unknown), S_OK);
  ComPtr<IDispatch> none;
  EXPECT_EQ(filter.As(&none), E_NOINTERFACE);
}

TEST_F(ComMessageFilterTest, RevokePutsBackTheFilterRegisteredBefore) {
  ComPtr<TMessageFilter> filter = TMessageFilter::Create();
  ASSERT_EQ(filter->RegisterFilter(), S_OK);
  EXPECT_EQ(filter->FOldFilter.Get(), &dummy_);
  EXPECT_EQ(Current(), filter.Get());

  filter->RevokeFilter();
  EXPECT_EQ(Current(), &dummy_);
  // The registration's reference is gone: only this test's is left.
  EXPECT_EQ(filter->AddRef(), 2u);
  EXPECT_EQ(filter->Release(), 1u);
}

TEST_F(ComMessageFilterTest, RegistrationIsTheOnlyOwner) {
  TMessageFilter* filter = TMessageFilter::CreateRegistered();
  ASSERT_NE(filter, nullptr);
  EXPECT_EQ(Current(), filter);
  EXPECT_EQ(filter->AddRef(), 2u);
  EXPECT_EQ(filter->Release(), 1u);
  filter->RevokeFilter();  // frees it
  EXPECT_EQ(Current(), &dummy_);
}

TEST_F(ComMessageFilterTest, HostInstallsOnceAndRemovesOnce) {
  ComMessageFilterHost host;
  host.Install();
  TMessageFilter* filter = host.filter();
  host.Install();
  EXPECT_EQ(host.filter(), filter);
  EXPECT_EQ(Current(), filter);
  host.Remove();
  host.Remove();
  EXPECT_EQ(host.filter(), nullptr);
  EXPECT_EQ(Current(), &dummy_);
  EXPECT_EQ(dummy_.refs, 2u);
}

TEST(ComMessageFilterMtaTest, AThreadWithoutAnStaTakesNoFilter) {
  TMessageFilter* filter = reinterpret_cast<TMessageFilter*>(1);
  std::thread worker([&] {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    filter = TMessageFilter::CreateRegistered();
    CoUninitialize();
  });
  worker.join();
  EXPECT_EQ(filter, nullptr);
}

}  // namespace
}  // namespace kelvo
