// The probe's verbs that do what the system or a person does to the program from outside:
//
//   probe.exe --power EVENT            WM_POWERBROADCAST with EVENT (decimal) to every top-level
//                                      window, as Windows sends it on a resume; {"sent":N}
//   probe.exe --foreground HWND        a window of the probe's own takes the foreground, then
//                                      HWND is brought to it with SetForegroundWindow, as the task
//                                      switcher brings a window back; {"foreground":true|false}
//   probe.exe --click-on-show TITLE X Y  waits (up to 60 s) for a visible top-level window titled
//                                      TITLE and clicks the left button at screen (X, Y) the
//                                      moment it shows; {"clicked":true|false,"lateMs":N}, N the
//                                      milliseconds from seeing it shown to the click's release
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace nudge {

inline int power_broadcast(WPARAM event) {
    std::vector<HWND> tops;
    EnumWindows([](HWND h, LPARAM out) { reinterpret_cast<std::vector<HWND>*>(out)->push_back(h); return TRUE; },
                reinterpret_cast<LPARAM>(&tops));
    int sent = 0;
    for (HWND h : tops) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(h, WM_POWERBROADCAST, event, 0, SMTO_ABORTIFHUNG, 2000, &result)) ++sent;
    }
    return sent;
}

inline void pump_for(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

// The window had the foreground already: it is taken away first, so that its activation comes
// afresh, and not by a click.
inline bool activate_from_outside(HWND target) {
    HWND own = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, 0, 700, 8, 8, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!own) return false;
    SetForegroundWindow(own);
    pump_for(300);
    const bool done = SetForegroundWindow(target) != 0;
    pump_for(300);
    DestroyWindow(own);
    return done && GetForegroundWindow() == target;
}

// Polled every few milliseconds inside Wine: an X client outside would see the window late.
inline std::string click_on_show(const std::wstring& title, int x, int y) {
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    HWND window = nullptr;
    while (!(window = FindWindowW(nullptr, title.c_str())) || !IsWindowVisible(window)) {
        if (GetTickCount64() > deadline) return "{\"clicked\":false,\"lateMs\":-1}\n";
        Sleep(2);
    }
    const ULONGLONG seen = GetTickCount64();
    SetCursorPos(x, y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    const bool clicked = SendInput(2, inputs, sizeof(INPUT)) == 2;
    const ULONGLONG late = GetTickCount64() - seen;
    return std::string("{\"clicked\":") + (clicked ? "true" : "false") + ",\"lateMs\":" + std::to_string(late) + "}\n";
}

}  // namespace nudge
