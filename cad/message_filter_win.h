#pragma once
// The thread's COM message filter. COM asks it while an outgoing call waits
// and when a call comes in; the replies are those of cad/message_filter.h.

#include <windows.h>
#include <objidl.h>

#include <atomic>

#include "base/com_handles_win.h"
#include "cad/cad_platform.h"

namespace kelvo {

class TMessageFilter final : public IMessageFilter {
 public:
  // A new filter with one reference (the returned pointer's); FOldFilter is null.
  static ComPtr<TMessageFilter> Create();
  // Creates a filter and registers it, so that the registration holds its
  // only reference. Returns the filter, not owned, to revoke it later; null
  // when the thread takes no filter (it is not in a single-threaded apartment).
  static TMessageFilter* CreateRegistered();

  // Registers this filter on the thread; the filter registered before lands
  // in FOldFilter, and the registration takes a reference to this one.
  HRESULT RegisterFilter();
  // Puts FOldFilter back and drops the registration's reference, which frees
  // this filter when the registration was its only owner.
  void RevokeFilter();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IMessageFilter
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK callerTask, DWORD tickCount,
                                             LPINTERFACEINFO interfaceInfo) override;
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK calleeTask, DWORD tickCount,
                                            DWORD rejectType) override;
  DWORD STDMETHODCALLTYPE MessagePending(HTASK calleeTask, DWORD tickCount,
                                         DWORD pendingType) override;

  ComPtr<IMessageFilter> FOldFilter;

 private:
  TMessageFilter() = default;
  ~TMessageFilter() = default;
  std::atomic<ULONG> refs_{1};
};

// The main window's filter: installed when the window is created, removed
// when it is destroyed.
class ComMessageFilterHost final : public MessageFilterHost {
 public:
  void Install() override;
  void Remove() override;
  // The registered filter, not owned; null when none is installed.
  TMessageFilter* filter() const noexcept { return filter_; }

 private:
  TMessageFilter* filter_ = nullptr;
};

}  // namespace kelvo
