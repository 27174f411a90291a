// ShowMessage: the message dialog's one entry point.
#include <string>

#include "ui/dialogs/ShowMessage.h"
#include "ui/Program.h"
#include "ui/dialogs/MessageDialog.h"

namespace morvane {

std::int32_t ShowMessage(Program& program, const std::string& prompt, std::int32_t style) {
  // A fresh dialog each call, so no reply button of an earlier call stays visible.
  if (MessageDialog* earlier = program.existingMessageDialog()) earlier->unload();
  MessageDialog& dialog = program.messageDialog();
  return dialog.ask(prompt, style);
}

std::int32_t ShowMessage(Program& program, long long prompt, std::int32_t style) {
  return ShowMessage(program, std::to_string(prompt), style);
}

}  // namespace morvane
