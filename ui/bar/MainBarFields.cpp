// The schedule fields take digits only and hand the focus along their chain: year, month,
// day, hour, minute in the at mode; hours, minutes in the after mode.
#include "ui/bar/FieldChain.h"
#include "ui/bar/MainBar.h"

namespace morvane {

void MainBar::wireFields() {
  struct Link { TextField& field; TextField* successor; };
  for (Link link : {Link{atYear, &atMonth}, Link{atMonth, &atDay}, Link{atDay, &atHour}, Link{atHour, &atMinute},
                    Link{atMinute, nullptr}, Link{afterHours, &afterMinutes}, Link{afterMinutes, nullptr}}) {
    TextField* field = &link.field;
    TextField* successor = link.successor;
    field->onCharacter([this, successor](char32_t character) { return fieldCharacter(successor, character); });
    if (successor) {
      field->onKeyReleased([this, field, successor](const KeyEvent& event) {
        fieldKeyReleased(*field, *successor, event.key);
      });
    }
    field->onPaste([](std::string text) { return DigitsOnly(text); });
  }
}

// Enter moves on first in a field that has a successor, and goes no further either way.
KeyResult MainBar::fieldCharacter(TextField* successor, char32_t character) {
  if (successor && character == kEnterCharacter) {
    successor->setFocus();
    successor->selectAll();
    return KeyResult::Handled;
  }
  return FieldAcceptsCharacter(character) ? KeyResult::Ignored : KeyResult::Handled;
}

void MainBar::fieldKeyReleased(TextField& field, TextField& successor, Key key) {
  if (FieldAdvancesOnKeyUp(key, field.text().size(), static_cast<std::size_t>(field.maxLength()))) {
    successor.setFocus();
    successor.selectAll();
  }
}

}  // namespace morvane
