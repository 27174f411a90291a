// The schedule fields take digits only and hand the focus along their chain: year, month,
// day, hour, minute in the at mode; hours, minutes in the after mode.
#include "ui/bar/FieldChain.h"
#include "ui/bar/MainBar.h"

namespace morvane {

void MainBar::wireFields() {
  struct Link { Control& field; Control* successor; };
  for (Link link : {Link{atYear, &atMonth}, Link{atMonth, &atDay}, Link{atDay, &atHour}, Link{atHour, &atMinute},
                    Link{atMinute, nullptr}, Link{afterHours, &afterMinutes}, Link{afterMinutes, nullptr}}) {
    Control* field = &link.field;
    Control* successor = link.successor;
    field->KeyPress = [this, field, successor](int& keyAscii) { fieldKeyPress(*field, successor, keyAscii); };
    if (successor) {
      field->KeyUp = [this, field, successor](int& keyCode, int&) { fieldKeyUp(*field, *successor, keyCode); };
    }
    field->Paste = [](std::string& text) { text = DigitsOnly(text); };
  }
}

void MainBar::fieldKeyPress(Control&, Control* successor, int& keyAscii) {
  if (successor && keyAscii == kKeyEnter) {
    successor->setFocus();
    successor->selectAll();
    return;
  }
  if (!FieldAcceptsCharacter(keyAscii)) keyAscii = 0;
}

void MainBar::fieldKeyUp(Control& field, Control& successor, int keyCode) {
  if (FieldAdvancesOnKeyUp(keyCode, field.text().size(), static_cast<std::size_t>(field.maxLength()))) {
    successor.setFocus();
    successor.selectAll();
  }
}

}  // namespace morvane
