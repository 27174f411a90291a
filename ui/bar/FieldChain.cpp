// Keystroke rules of the schedule fields.
#include "ui/bar/FieldChain.h"

namespace morvane {

bool FieldAcceptsCharacter(char32_t character) {
  return (character >= U'0' && character <= U'9') || character == kBackspaceCharacter;
}

bool FieldAdvancesOnKeyUp(Key key, std::size_t textLength, std::size_t advanceLength) {
  bool counts = key == Key::Backspace || IsDigitKey(key) || IsNumpadDigitKey(key);
  return counts && textLength == advanceLength;
}

std::string DigitsOnly(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

}  // namespace morvane
