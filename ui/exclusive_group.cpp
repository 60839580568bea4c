#include "ui/exclusive_group.h"

#include <algorithm>

namespace kelvo {

void ExclusiveGroup::Leave(Member& member) {
  members_.erase(std::remove(members_.begin(), members_.end(), &member), members_.end());
}

void ExclusiveGroup::Choose(const Member& chosen) {
  for (Member* member : members_) {
    if (member != &chosen) member->LetGo();
  }
}

}  // namespace kelvo
