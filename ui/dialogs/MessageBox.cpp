// The message dialog's layout and handlers; ShowMessage fills and shows it.
#include "ui/dialogs/MessageBox.h"

#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/ButtonDesign.h"
#include "ui/dialogs/PawPrint.h"
#include "ui/dialogs/TitleStrip.h"

namespace morvane {

namespace {
constexpr int kEscape = 27;
constexpr int kGb2312Charset = 134;
const Font kButtonFont{"MS Sans Serif", 8.25};
}  // namespace

MessageBox::MessageBox(Program& program)
    : Window(program.toolkit(), kCaption, {236, 120}),
      Message(*this, Control::Kind::Label, "Message", {8, 26, 224, 60}),
      cmdYes(*this, program.system(), "cmdYes", {39, 93, 60, 20}, ButtonDesign("Yes", kButtonFont).get()),
      cmdOK(*this, program.system(), "cmdOK", {89, 93, 60, 20}, ButtonDesign("OK", kButtonFont).get()),
      cmdNo(*this, program.system(), "cmdNo", {139, 93, 60, 20}, ButtonDesign("No", kButtonFont).get()),
      button1(*this, program.system(), "button1", {220, 1, 14, 14}, ButtonDesign("X", kButtonFont).get()),
      Image2(*this, Control::Kind::Picture, "Image2", {0, 0, 236, 18}),
      program_(program) {
  setBorder(Border::Single);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(kFaceGrey);
  setKeyPreview(true);

  // SimSun under its English face name, which Windows resolves on every locale; the
  // program's texts are single-byte, so the name is not written in its GB2312 form.
  Message.setFont(MakeFont("SimSun", 9, false, false, kGb2312Charset));
  Message.setWordWrap(true);
  Message.setForeColor(Rgb(0, 0, 0));
  cmdYes.setVisible(false);
  cmdOK.setVisible(false);
  cmdNo.setVisible(false);
  Image2.face = PaintTitleStrip;

  cmdYes.ButtonClick = [this] { cmdYes_Click(); };
  cmdOK.ButtonClick = [this] { cmdOK_Click(); };
  cmdNo.ButtonClick = [this] { cmdNo_Click(); };
  button1.ButtonClick = [this] { button1_Click(); };
  KeyPress = [this](int& keyAscii) { Form_KeyPress(keyAscii); };
  Image2.MouseMove = [this](int& button, int& shift, float& x, float& y) {
    Image2_MouseMove(button, shift, x, y);
  };
}

void MessageBox::Form_Load() { makeTopmost(); }

// With no reply button shown there is nothing for "X" to answer, but the dialog still closes.
void MessageBox::hostCloseRequested() {
  button1_Click();
  unload();
}

void MessageBox::Reply(std::int32_t code) {
  program_.MessageReply = code;
  replied_ = true;
  unload();
}

void MessageBox::cmdYes_Click() { Reply(ReplyYes); }

void MessageBox::cmdOK_Click() { Reply(ReplyOK); }

void MessageBox::cmdNo_Click() { Reply(ReplyNo); }

// "X" never means Yes.
void MessageBox::button1_Click() {
  if (cmdOK.visible()) {
    cmdOK_Click();
  } else if (cmdNo.visible()) {
    cmdNo_Click();
  }
}

void MessageBox::Form_KeyPress(int& keyAscii) {
  if (keyAscii == kEscape) button1_Click();
}

void MessageBox::Image2_MouseMove(int& button, int&, float&, float&) {
  if (button == kLeftButton) beginSystemDrag();
}

}  // namespace morvane
