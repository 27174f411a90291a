// The schedule fields take digits only and hand the focus along their chain: year, month,
// day, hour, minute in the at mode; hours, minutes in the after mode.
#include "ui/main/FieldChain.h"
#include "ui/main/Form1.h"

namespace morvane {

void Form1::wireFields() {
  struct Link { Control& field; Control* successor; };
  for (Link link : {Link{Text3, &Text4}, Link{Text4, &Text5}, Link{Text5, &Text6}, Link{Text6, &Text7},
                    Link{Text7, nullptr}, Link{Text8, &Text9}, Link{Text9, nullptr}}) {
    Control* field = &link.field;
    Control* successor = link.successor;
    field->KeyPress = [this, field, successor](int& keyAscii) { fieldKeyPress(*field, successor, keyAscii); };
    if (successor) {
      field->KeyUp = [this, field, successor](int& keyCode, int&) { fieldKeyUp(*field, *successor, keyCode); };
    }
    field->Paste = [](std::string& text) { text = DigitsOnly(text); };
  }
}

void Form1::fieldKeyPress(Control&, Control* successor, int& keyAscii) {
  if (successor && keyAscii == kKeyEnter) {
    successor->setFocus();
    successor->selectAll();
    return;
  }
  if (!FieldAcceptsCharacter(keyAscii)) keyAscii = 0;
}

void Form1::fieldKeyUp(Control& field, Control& successor, int keyCode) {
  if (FieldAdvancesOnKeyUp(keyCode, field.text().size(), static_cast<std::size_t>(field.maxLength()))) {
    successor.setFocus();
    successor.selectAll();
  }
}

}  // namespace morvane
