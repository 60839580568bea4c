#include "app/long_command.h"

namespace kelvo {

LongCommand::LongCommand(TKelvoMainForm& form, Messages& messages)
    : form_(form), messages_(messages), scope_(form) {
  form_.runFlag = true;
  form_.SpeedButton5.SetEnabled(true);
}

LongCommand::~LongCommand() {
  form_.runFlag = false;
  form_.SpeedButton5.SetEnabled(false);
}

bool LongCommand::Continue() {
  messages_.ProcessMessages();
  return form_.runFlag;
}

}  // namespace kelvo
