// Screen readers, through MSAA: what the program's controls tell them, and when.
#pragma once

#include <windows.h>

#include <optional>

namespace morvane {

// Posted to a control by its accessible object's default action, so the click runs from the
// message loop rather than inside the screen reader's call.
constexpr UINT kAccessibleDefaultAction = WM_APP + 1;

// The answer to WM_GETOBJECT for a control's client area; nothing for any other object,
// which the default procedure answers.
std::optional<LRESULT> AnswerGetObject(HWND control, WPARAM wParam, LPARAM lParam);
void NotifyNameChanged(HWND control);
void NotifyStateChanged(HWND control);

}  // namespace morvane
