// The message dialog's layout and handlers; ShowMessage fills and shows it.
#include "ui/dialogs/MessageDialog.h"

#include "platform/Keys.h"
#include "ui/dialogs/ShowMessage.h"
#include "ui/Program.h"
#include "ui/dialogs/ButtonDesign.h"
#include "ui/dialogs/PawPrint.h"
#include "ui/dialogs/TitleStrip.h"

namespace morvane {

namespace {
constexpr int kGb2312Charset = 134;
const Font kButtonFont{"MS Sans Serif", 8.25};
}  // namespace

MessageDialog::MessageDialog(Program& program)
    : Window(program.toolkit(), kCaption, {236, 120}),
      messageText(*this, Control::Kind::Label, "messageText", {8, 26, 224, 60}),
      yesButton(*this, program.system(), "yesButton", {39, 93, 60, 20}, ButtonDesign("Yes", kButtonFont).get()),
      okButton(*this, program.system(), "okButton", {89, 93, 60, 20}, ButtonDesign("OK", kButtonFont).get()),
      noButton(*this, program.system(), "noButton", {139, 93, 60, 20}, ButtonDesign("No", kButtonFont).get()),
      closeButton(*this, program.system(), "closeButton", {220, 1, 14, 14}, ButtonDesign("X", kButtonFont).get()),
      titleStrip(*this, Control::Kind::Picture, "titleStrip", {0, 0, 236, 18}),
      program_(program) {
  setBorder(Border::Single);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(kFaceGrey);
  setKeyPreview(true);

  // SimSun under its English face name, which Windows resolves on every locale; the
  // program's texts are single-byte, so the name is not written in its GB2312 form.
  messageText.setFont(MakeFont("SimSun", 9, false, false, kGb2312Charset));
  messageText.setWordWrap(true);
  messageText.setForeColor(Rgb(0, 0, 0));
  yesButton.setVisible(false);
  okButton.setVisible(false);
  noButton.setVisible(false);
  titleStrip.face = PaintTitleStrip;
  closeButton.setAccessibleName("Close");

  yesButton.ButtonClick = [this] { yes(); };
  okButton.ButtonClick = [this] { ok(); };
  noButton.ButtonClick = [this] { no(); };
  closeButton.ButtonClick = [this] { dismiss(); };
  KeyPress = [this](int& keyAscii) { keyPressed(keyAscii); };
  titleStrip.MouseMove = [this](int& button, int& shift, float& x, float& y) {
    dragByTitle(button, shift, x, y);
  };
}

void MessageDialog::onLoad() { makeTopmost(); }

// With no reply button shown there is nothing for "X" to answer, but the dialog still closes.
void MessageDialog::hostCloseRequested() {
  dismiss();
  unload();
}

void MessageDialog::Reply(std::int32_t code) {
  reply_ = code;
  unload();
}

void MessageDialog::yes() { Reply(ReplyYes); }

void MessageDialog::ok() { Reply(ReplyOK); }

void MessageDialog::no() { Reply(ReplyNo); }

// "X" never means Yes.
void MessageDialog::dismiss() {
  if (okButton.visible()) {
    ok();
  } else if (noButton.visible()) {
    no();
  }
}

void MessageDialog::keyPressed(int& keyAscii) {
  if (keyAscii == kKeyEscape) dismiss();
}

void MessageDialog::dragByTitle(int& button, int&, float&, float&) {
  if (button == kLeftButton) beginSystemDrag();
}

}  // namespace morvane
