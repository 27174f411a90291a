// The program's message dialog: a green title strip, the message, and OK or Yes and No.
#pragma once

#include <optional>
#include <string>

#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/Window.h"
#include "ui/button/SkinButton.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {

class Program;

class MessageDialog : public Window {
 public:
  static constexpr const char* kCaption = "Morvane Message";

  explicit MessageDialog(Program& program);

  void onLoad() override;
  // Shows the message with OK, or with Yes and No, modally, and returns the reply.
  MessageReply ask(const std::string& prompt, MessageButtons buttons);
  // Closing the dialog from outside (Alt+F4, the system ending it) answers as "X" does, so
  // the caller never sees a reply left over from an earlier dialog.
  void closeRequested() override;

  void yes();
  void ok();
  void no();
  void dismiss();
  KeyResult characterTyped(char32_t character);
  void dragByTitle(const PointerEvent& event);

  // The reply this dialog was closed with, once it was.
  bool replied() const { return reply_ != MessageReply::None; }
  MessageReply reply() const { return reply_; }

  // Constructed in tab order; closeButton before titleStrip so the "X" lies over the strip.
  Label messageText;
  SkinButton yesButton;
  SkinButton okButton;
  SkinButton noButton;
  SkinButton closeButton;
  Picture titleStrip;

 private:
  void answer(MessageReply reply);

  std::optional<MessageButtons> asked_;  // none until a question is shown
  MessageReply reply_ = MessageReply::None;
};

}  // namespace morvane
