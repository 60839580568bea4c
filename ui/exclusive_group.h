#pragma once
// Radio buttons, or flat buttons, of which choosing one lets the others of
// its group go. The in-memory widgets share one group object per group; the
// real controls find theirs by the group number stamped on their windows
// (ui/exclusive_group_win.h).

#include <vector>

namespace kelvo {

class ExclusiveGroup {
 public:
  class Member {
   public:
    // Unchecks the radio button, or puts the flat button up.
    virtual void LetGo() = 0;

   protected:
    ~Member() = default;
  };

  ExclusiveGroup() = default;
  ExclusiveGroup(const ExclusiveGroup&) = delete;
  ExclusiveGroup& operator=(const ExclusiveGroup&) = delete;

  // A member joins for its lifetime and leaves before it is destroyed.
  void Join(Member& member) { members_.push_back(&member); }
  void Leave(Member& member);
  // Lets every member but the chosen one go.
  void Choose(const Member& chosen);

 private:
  std::vector<Member*> members_;
};

}  // namespace kelvo
