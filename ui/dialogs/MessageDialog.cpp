// The message dialog's layout and handlers; ShowMessage fills and shows it.
#include "ui/dialogs/MessageDialog.h"

#include "toolkit/Keys.h"
#include "ui/dialogs/ShowMessage.h"
#include "ui/Program.h"
#include "ui/dialogs/PawPrint.h"
#include "ui/dialogs/TitleStrip.h"

namespace morvane {

namespace {
}  // namespace

MessageDialog::MessageDialog(Program& program)
    : Window(program.toolkit(), kCaption, {236, 120}),
      messageText(*this, "messageText", {8, 26, 224, 60}),
      yesButton(*this, program.system(), "yesButton", {39, 93, 60, 20}),
      okButton(*this, program.system(), "okButton", {89, 93, 60, 20}),
      noButton(*this, program.system(), "noButton", {139, 93, 60, 20}),
      closeButton(*this, program.system(), "closeButton", {220, 1, 14, 14}),
      titleStrip(*this, "titleStrip", {0, 0, 236, 18}) {
  setBorder(Border::Single);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(kFaceGrey);
  setKeyPreview(true);
  for (auto [button, caption] : {std::pair<SkinButton*, const char*>{&yesButton, "Yes"}, {&okButton, "OK"},
                                 {&noButton, "No"}, {&closeButton, "X"}}) {
    button->setCaption(caption);
    button->setFont(std::make_shared<const Font>());
  }

  messageText.setFont(MakeFont(FontRole::Message, 9));
  messageText.setWordWrap(true);
  messageText.setForeColor(Rgb(0, 0, 0));
  yesButton.setVisible(false);
  okButton.setVisible(false);
  noButton.setVisible(false);
  titleStrip.setFace(PaintTitleStrip);
  closeButton.setAccessibleName("Close");

  yesButton.onClick([this] { yes(); });
  okButton.onClick([this] { ok(); });
  noButton.onClick([this] { no(); });
  closeButton.onClick([this] { dismiss(); });
  onCharacter([this](char32_t character) { return characterTyped(character); });
  titleStrip.onPointerMoved([this](const PointerEvent& event) { dragByTitle(event); });
}

void MessageDialog::onLoad() { makeTopmost(); }

// Unloaded without a reply (by another dialog taking its place, say), it answers as "X" does,
// so the caller never gets the reply of another dialog.
MessageReply MessageDialog::ask(const std::string& prompt, MessageButtons buttons) {
  messageText.setText(prompt);
  asked_ = buttons;
  if (buttons == MessageButtons::YesNo) {
    noButton.setVisible(true);
    yesButton.setVisible(true);
  } else {
    okButton.setVisible(true);
  }
  showModal();
  if (!replied()) dismiss();
  return reply_;
}

// With no reply button shown there is nothing for "X" to answer, but the dialog still closes.
void MessageDialog::closeRequested() {
  dismiss();
  unload();
}

void MessageDialog::answer(MessageReply reply) {
  reply_ = reply;
  unload();
}

void MessageDialog::yes() { answer(MessageReply::Yes); }

void MessageDialog::ok() { answer(MessageReply::OK); }

void MessageDialog::no() { answer(MessageReply::No); }

// "X" answers as the question's way of saying no: OK alone, or No; never Yes.
void MessageDialog::dismiss() {
  if (!asked_) return;
  if (*asked_ == MessageButtons::YesNo) {
    no();
  } else {
    ok();
  }
}

// Escape answers as "X" does; the character still goes on to the focused control.
KeyResult MessageDialog::characterTyped(char32_t character) {
  if (character == kEscapeCharacter) dismiss();
  return KeyResult::Ignored;
}

void MessageDialog::dragByTitle(const PointerEvent& event) {
  if (event.held.only(MouseButton::Left)) beginSystemDrag();
}

}  // namespace morvane
