#pragma once
// Every end-to-end test runs in its own COM apartment with its own programs.

#include <gtest/gtest.h>

#include "base/com_handles_win.h"
#include "tests/e2e/driver_win.h"

namespace kelvo::e2e {

class E2eTest : public testing::Test {
 protected:
  ComApartment apartment_;
};

}  // namespace kelvo::e2e
