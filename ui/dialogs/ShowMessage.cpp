// ShowMessage: the message dialog's one entry point.
#include <string>

#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/MessageBox.h"

namespace morvane {

std::int32_t ShowMessage(Program& program, const std::string& prompt, std::int32_t style) {
  // A fresh dialog each call, so no reply button of an earlier call stays visible.
  if (MessageBox* earlier = program.existingMessageBox()) earlier->unload();
  MessageBox& dialog = program.messageBox();
  dialog.Message.setText(prompt);
  if (style & StyleYesNo) {
    dialog.cmdNo.setVisible(true);
    dialog.cmdYes.setVisible(true);
  } else {
    dialog.cmdOK.setVisible(true);
  }
  dialog.showModal();
  // Unloaded without a reply (by another dialog taking its place, say): answer as "X", so
  // this call never returns the reply of another dialog.
  if (!dialog.replied()) dialog.button1_Click();
  return program.MessageReply;
}

std::int32_t ShowMessage(Program& program, long long prompt, std::int32_t style) {
  return ShowMessage(program, std::to_string(prompt), style);
}

}  // namespace morvane
