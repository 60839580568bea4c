#include <gtest/gtest.h>

#include "cad/message_filter.h"

namespace kelvo::message_filter {
namespace {

TEST(ComFilterRepliesTest, OnlyRetryLaterIsRetriedEverySecond) {
  struct Case {
    std::uint32_t rejectType;
    std::int32_t reply;
  } cases[] = {{0, -1}, {1, -1}, {2, 1000}, {3, -1}, {0xFFFFFFFF, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(RetryRejectedCall(0x1234, 99, c.rejectType), c.reply) << c.rejectType;
  }
}

TEST(ComFilterRepliesTest, IncomingCallsAreServedAndPendingInputWaits) {
  for (std::uint32_t type : {0u, 1u, 2u, 3u, 4u}) {
    EXPECT_EQ(HandleInComingCall(type, 0x1234, 99), 0u) << type;
    EXPECT_EQ(MessagePending(0x1234, 99, type), 1u) << type;
  }
}

}  // namespace
}  // namespace kelvo::message_filter
