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
  dialog.messageText.setText(prompt);
  if (style & StyleYesNo) {
    dialog.noButton.setVisible(true);
    dialog.yesButton.setVisible(true);
  } else {
    dialog.okButton.setVisible(true);
  }
  dialog.showModal();
  // Unloaded without a reply (by another dialog taking its place, say): answer as "X", so
  // this call never returns the reply of another dialog.
  if (!dialog.replied()) dialog.dismiss();
  return dialog.reply();
}

std::int32_t ShowMessage(Program& program, long long prompt, std::int32_t style) {
  return ShowMessage(program, std::to_string(prompt), style);
}

}  // namespace morvane
