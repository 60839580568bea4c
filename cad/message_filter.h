#pragma once
// The replies of the program's COM message filter. A CAD that is busy rejects
// calls with "retry later"; those are retried every second for as long as it
// takes, anything else fails the call. While a call waits, the tool's own
// input stays queued so that nothing re-enters the running command.

#include <cstdint>

namespace kelvo::message_filter {

inline constexpr std::uint32_t kServerCallIsHandled = 0;   // SERVERCALL_ISHANDLED
inline constexpr std::uint32_t kServerCallRetryLater = 2;  // SERVERCALL_RETRYLATER
inline constexpr std::int32_t kRetryAfterMs = 1000;
inline constexpr std::int32_t kCancelCall = -1;
inline constexpr std::uint32_t kPendingMsgWaitNoProcess = 1;  // PENDINGMSG_WAITNOPROCESS

// Every incoming call is served.
constexpr std::uint32_t HandleInComingCall(std::uint32_t /*callType*/,
                                           std::uintptr_t /*callerTask*/,
                                           std::uint32_t /*tickCount*/) {
  return kServerCallIsHandled;
}

// Milliseconds until the rejected call is retried, or kCancelCall.
constexpr std::int32_t RetryRejectedCall(std::uintptr_t /*calleeTask*/, std::uint32_t /*tickCount*/,
                                         std::uint32_t rejectType) {
  return rejectType == kServerCallRetryLater ? kRetryAfterMs : kCancelCall;
}

constexpr std::uint32_t MessagePending(std::uintptr_t /*calleeTask*/, std::uint32_t /*tickCount*/,
                                       std::uint32_t /*pendingType*/) {
  return kPendingMsgWaitNoProcess;
}

}  // namespace kelvo::message_filter
