#pragma once
// The rule every command that loops over many lines follows: runFlag is set
// and "中止" enabled for the run, pending messages are processed after each
// item, and the loop stops once "中止" has cleared the flag.

#include "app/main_form.h"

namespace kelvo {

class LongCommand {
 public:
  LongCommand(TKelvoMainForm& form, Messages& messages);
  ~LongCommand();
  LongCommand(const LongCommand&) = delete;
  LongCommand& operator=(const LongCommand&) = delete;

  // After each item: false once the user has asked the command to stop.
  bool Continue();

 private:
  TKelvoMainForm& form_;
  Messages& messages_;
};

}  // namespace kelvo
