#include "cad/message_filter_win.h"

#include <cstdint>
#include <utility>

#include "cad/message_filter.h"

namespace kelvo {

ComPtr<TMessageFilter> TMessageFilter::Create() {
  return Adopt(new TMessageFilter());  // the count starts at one: this reference
}

TMessageFilter* TMessageFilter::CreateRegistered() {
  ComPtr<TMessageFilter> filter = Create();
  if (FAILED(filter->RegisterFilter())) return nullptr;  // freed with `filter`
  return filter.Get();
}

HRESULT TMessageFilter::RegisterFilter() {
  return CoRegisterMessageFilter(this, FOldFilter.ReleaseAndGetAddressOf());
}

void TMessageFilter::RevokeFilter() {
  ComPtr<IMessageFilter> registered;
  CoRegisterMessageFilter(FOldFilter.Get(), registered.GetAddressOf());
  // Releasing `registered` may free this object: nothing may follow.
}

HRESULT TMessageFilter::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
    *object = static_cast<IMessageFilter*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TMessageFilter::AddRef() {
  return ++refs_;
}

ULONG TMessageFilter::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

DWORD TMessageFilter::HandleInComingCall(DWORD callType, HTASK callerTask, DWORD tickCount,
                                         LPINTERFACEINFO) {
  return message_filter::HandleInComingCall(callType, reinterpret_cast<std::uintptr_t>(callerTask),
                                            tickCount);
}

DWORD TMessageFilter::RetryRejectedCall(HTASK calleeTask, DWORD tickCount, DWORD rejectType) {
  return static_cast<DWORD>(message_filter::RetryRejectedCall(
      reinterpret_cast<std::uintptr_t>(calleeTask), tickCount, rejectType));
}

DWORD TMessageFilter::MessagePending(HTASK calleeTask, DWORD tickCount, DWORD pendingType) {
  return message_filter::MessagePending(reinterpret_cast<std::uintptr_t>(calleeTask), tickCount,
                                        pendingType);
}

void ComMessageFilterHost::Install() {
  if (filter_ == nullptr) filter_ = TMessageFilter::CreateRegistered();
}

void ComMessageFilterHost::Remove() {
  if (filter_ == nullptr) return;
  std::exchange(filter_, nullptr)->RevokeFilter();
}

}  // namespace kelvo
