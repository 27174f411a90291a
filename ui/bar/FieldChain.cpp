// Keystroke rules of the schedule fields.
#include "ui/bar/FieldChain.h"

namespace morvane {

bool FieldAcceptsCharacter(int keyAscii) { return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace; }

bool FieldAdvancesOnKeyUp(int keyCode, std::size_t textLength, std::size_t advanceLength) {
  bool counts = keyCode == kKeyBackspace || (keyCode >= 48 && keyCode <= 57) || (keyCode >= 96 && keyCode <= 105);
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
