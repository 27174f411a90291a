// ShowMessage: the message dialog's one entry point.
#include <string>

#include "ui/dialogs/ShowMessage.h"
#include "ui/Program.h"
#include "ui/dialogs/MessageDialog.h"

namespace morvane {

MessageReply ShowMessage(Program& program, const std::string& prompt, MessageButtons buttons) {
  // A fresh dialog each call, so no reply button of an earlier call stays visible.
  if (MessageDialog* earlier = program.existingMessageDialog()) earlier->unload();
  MessageDialog& dialog = program.messageDialog();
  return dialog.ask(prompt, buttons);
}

MessageReply ShowMessage(Program& program, long long prompt, MessageButtons buttons) {
  return ShowMessage(program, std::to_string(prompt), buttons);
}

}  // namespace morvane
