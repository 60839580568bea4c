#include <gtest/gtest.h>

#include <cstdint>

#include "cad/desktop_win.h"

namespace kelvo {
namespace {

TEST(ComDesktopTest, HandlesTravelAsSignExtendedLow32Bits) {
  struct Case {
    WindowHandle given;
    INT_PTR hwnd;
    WindowHandle back;
  } cases[] = {
      {0x0001002A, 0x0001002A, 0x0001002A},
      {-2, -2, -2},                              // 0xFFFFFFFE as the CAD reports it
      {0x00000000FFFFFFFE, -2, -2},              // the same value read unsigned
      {0x123400010002, 0x00010002, 0x00010002},  // high bits are not part of a handle
      {0x80000000, INT_PTR{-0x7FFFFFFF - 1}, -0x80000000LL},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reinterpret_cast<INT_PTR>(ToHwnd(c.given)), c.hwnd) << c.given;
    EXPECT_EQ(FromHwnd(ToHwnd(c.given)), c.back) << c.given;
  }
}

}  // namespace
}  // namespace kelvo
