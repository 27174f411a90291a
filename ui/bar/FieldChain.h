// The schedule fields' keystroke rules: which characters go in, and when the focus moves on.
#pragma once

#include <string>

#include "toolkit/Keys.h"

namespace morvane {

// Digits and Backspace go in; every other character, Enter included, is discarded
// (Enter moves on first in a field that has a successor).
bool FieldAcceptsCharacter(char32_t character);

// A released Backspace or digit key (main keyboard or keypad) with the field exactly full
// hands the focus on.
bool FieldAdvancesOnKeyUp(Key key, std::size_t textLength, std::size_t advanceLength);

// What a paste may put in a field: its digits only.
std::string DigitsOnly(const std::string& text);

}  // namespace morvane
