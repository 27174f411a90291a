// Key codes and modifier masks as the program's key events carry them: the host's standard
// key codes (a letter's code is its capital, a digit's its character) and its Shift mask.
#pragma once

namespace morvane {

constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Alt without Ctrl makes a key the window's (access keys and window keys); Ctrl with Alt is
// AltGr on many keyboards and types ordinary characters.
constexpr bool IsMenuKey(int shift) { return (shift & kAltMask) && !(shift & kCtrlMask); }

}  // namespace morvane
