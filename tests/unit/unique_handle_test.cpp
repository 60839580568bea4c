// The handle owner closes each handle exactly once, whichever way it leaves.

#include <gtest/gtest.h>

#include <utility>

#include "base/unique_handle.h"

namespace kelvo {
namespace {

// A handle is a counter of its own closes, so a double close or a leak shows.
struct CountingTraits {
  using Value = int*;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value closes) noexcept { ++*closes; }
};
using Owner = UniqueHandle<CountingTraits>;

TEST(UniqueHandleTest, ClosesOnceOnEveryPath) {
  int a = 0, b = 0, c = 0;
  {
    Owner owner(&a);
    EXPECT_TRUE(owner);
    Owner moved(std::move(owner));
    EXPECT_FALSE(owner);
    EXPECT_EQ(moved.get(), &a);
    Owner assigned(&b);
    assigned = std::move(moved);  // b closes here, a passes on
    EXPECT_EQ(b, 1);
    assigned.reset(&c);  // a closes here
    EXPECT_EQ(a, 1);
    Owner& same = assigned;
    assigned = std::move(same);
    EXPECT_EQ(c, 0);
  }
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, 1);

  int kept = 0;
  {
    Owner owner(&kept);
    EXPECT_EQ(owner.release(), &kept);
    EXPECT_FALSE(owner);
  }
  EXPECT_EQ(kept, 0);
  Owner none;
  EXPECT_FALSE(none);
}

TEST(UniqueHandleTest, PutClosesTheOldHandleAndTakesTheFilledOne) {
  int a = 0, b = 0;
  {
    Owner owner(&a);
    *owner.put() = &b;  // as a function filling an out-parameter does
    EXPECT_EQ(a, 1);
    EXPECT_EQ(owner.get(), &b);
    Owner empty;
    EXPECT_EQ(*empty.put(), nullptr);
  }
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1);
}

}  // namespace
}  // namespace kelvo
