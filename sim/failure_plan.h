#pragma once
// Failures a test arranges: the n-th call of a member from now, or every call
// of it. Members are named without regard to case and counted on any object.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::sim {

class FailurePlan {
 public:
  // n counts from 1; anything less raises.
  void FailNth(std::u16string_view member, std::int64_t n);
  void FailAll(std::u16string_view member);
  void Clear();
  // Counts this call of the member; true when it is to fail.
  bool Next(std::u16string_view member);

 private:
  struct Nth {
    std::u16string member;
    std::int64_t remaining;  // calls to go, this one included
  };
  std::vector<Nth> nth_;
  std::vector<std::u16string> all_;
};

}  // namespace kelvo::sim
