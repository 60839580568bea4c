#include "sim/failure_plan.h"

#include <algorithm>

#include "base/error.h"
#include "base/text.h"
#include "sim/name_match.h"

namespace kelvo::sim {

void FailurePlan::FailNth(std::u16string_view member, std::int64_t n) {
  if (n < 1) throw Error(u"SimFailCall: the call number must be 1 or more, not " + ToU16(n));
  nth_.push_back({std::u16string(member), n});
}

void FailurePlan::FailAll(std::u16string_view member) {
  all_.emplace_back(member);
}

void FailurePlan::Clear() {
  nth_.clear();
  all_.clear();
}

bool FailurePlan::Next(std::u16string_view member) {
  bool fail = false;
  // Every arrangement for the member counts the call, so two of them count alike.
  for (Nth& rule : nth_) {
    if (SameName(rule.member, member) && --rule.remaining == 0) fail = true;
  }
  std::erase_if(nth_, [](const Nth& rule) { return rule.remaining <= 0; });
  return fail || std::any_of(all_.begin(), all_.end(),
                             [&](const std::u16string& m) { return SameName(m, member); });
}

}  // namespace kelvo::sim
