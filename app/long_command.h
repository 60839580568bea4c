#pragma once
// The rule every command that loops over many lines follows: runFlag is set
// and "中止" enabled for the run, pending messages are processed after each
// item, and the loop stops once "中止" has cleared the flag.

#include "app/main_form.h"

namespace kelvo {

// Marks a command as running for as long as it lives: other commands are
// refused meanwhile, and a close waits for its end.
class CommandScope {
 public:
  explicit CommandScope(TKelvoMainForm& form) : form_(form) { ++form_.runningCommands_; }
  ~CommandScope() { --form_.runningCommands_; }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  TKelvoMainForm& form_;
};

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
  CommandScope scope_;
};

}  // namespace kelvo
