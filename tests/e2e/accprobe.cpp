// accprobe.exe: what a screen reader sees of the program, asked from another process as a
// reader asks, through oleacc. Prints JSON on stdout.
//
//   accprobe.exe tree TITLE       every child control of the visible top-level windows titled
//                                 TITLE: its role, name, state, default action and value
//   accprobe.exe press HWND       the default action of that control (hex handle from tree)
//   accprobe.exe events SECONDS   name and state changes the system reports in that time
//
// With MinGW the symbol IID_IAccessible resolves to oleacc's import thunk rather than the
// interface id, so __uuidof is used.

#include <windows.h>
#include <oleacc.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "json_text.h"

namespace {

// A BSTR property as JSON: null when the object has none or the call fails.
template <class Getter>
std::string Text(Getter get) {
    BSTR value = nullptr;
    HRESULT hr = get(&value);
    if (hr != S_OK || !value) {
        SysFreeString(value);
        return "null";
    }
    std::string out;
    AppendJsonString(out, std::wstring_view(value, SysStringLen(value)));
    SysFreeString(value);
    return out;
}

std::string Number(HRESULT hr, const VARIANT& v) {
    return SUCCEEDED(hr) && v.vt == VT_I4 ? std::to_string(v.lVal) : "null";
}

std::string Describe(HWND control) {
    char cls[128] = {};
    GetClassNameA(control, cls, sizeof cls);
    char handle[32];
    std::snprintf(handle, sizeof handle, "\"0x%llx\"", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(control)));
    std::string out = std::string("{\"hwnd\":") + handle + ",\"class\":\"" + cls + "\"";
    IAccessible* object = nullptr;
    HRESULT hr = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object));
    if (FAILED(hr) || !object) {
        char error[64];
        std::snprintf(error, sizeof error, ",\"error\":\"0x%08lx\"}", static_cast<unsigned long>(hr));
        return out + error;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    const HRESULT roleResult = object->get_accRole(self, &role);
    const HRESULT stateResult = object->get_accState(self, &state);
    out += ",\"role\":" + Number(roleResult, role);
    out += ",\"state\":" + Number(stateResult, state);
    out += ",\"name\":" + Text([&](BSTR* v) { return object->get_accName(self, v); });
    out += ",\"action\":" + Text([&](BSTR* v) { return object->get_accDefaultAction(self, v); });
    out += ",\"value\":" + Text([&](BSTR* v) { return object->get_accValue(self, v); });
    out += ",\"description\":" + Text([&](BSTR* v) { return object->get_accDescription(self, v); });
    object->Release();
    return out + "}";
}

struct Search {
    std::wstring title;
    std::vector<HWND> tops;
};

BOOL CALLBACK OnTop(HWND h, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t text[256] = {};
    GetWindowTextW(h, text, 256);
    if (IsWindowVisible(h) && search->title == text) search->tops.push_back(h);
    return TRUE;
}

BOOL CALLBACK OnChild(HWND h, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(h);
    return TRUE;
}

int Tree(const std::wstring& title) {
    Search search{title, {}};
    EnumWindows(OnTop, reinterpret_cast<LPARAM>(&search));
    std::string out = "{\"windows\":[";
    for (size_t t = 0; t < search.tops.size(); ++t) {
        std::vector<HWND> children;
        EnumChildWindows(search.tops[t], OnChild, reinterpret_cast<LPARAM>(&children));
        out += t ? ",\n[" : "\n[";
        for (size_t c = 0; c < children.size(); ++c) out += (c ? ",\n " : "\n ") + Describe(children[c]);
        out += "]";
    }
    out += "\n]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

int Press(const char* handle) {
    HWND control = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoull(handle, nullptr, 16)));
    IAccessible* object = nullptr;
    HRESULT hr = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object));
    if (SUCCEEDED(hr) && object) {
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        hr = object->accDoDefaultAction(self);
        object->Release();
    }
    std::printf("{\"result\":\"0x%08lx\"}\n", static_cast<unsigned long>(hr));
    return SUCCEEDED(hr) ? 0 : 1;
}

std::string g_events;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (!hwnd || object != OBJID_CLIENT) return;
    wchar_t text[256] = {};
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &got);
    char head[128];
    std::snprintf(head, sizeof head, "%s{\"event\":\"%s\",\"hwnd\":\"0x%llx\",\"child\":%ld,\"text\":",
                  g_events.empty() ? "\n" : ",\n", event == EVENT_OBJECT_NAMECHANGE ? "name" : "state",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(hwnd)), child);
    g_events += head;
    AppendJsonString(g_events, text);
    g_events += "}";
}

int Events(const char* seconds) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!hook) {
        std::printf("{\"error\":\"SetWinEventHook failed\"}\n");
        return 1;
    }
    const DWORD end = GetTickCount() + static_cast<DWORD>(std::atof(seconds) * 1000);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    UnhookWinEvent(hook);
    std::string out = "{\"events\":[" + g_events + "\n]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string command = argc > 1 ? argv[1] : "";
    int rc = 2;
    if (command == "tree" && argc > 2) {
        std::wstring title(argv[2], argv[2] + std::char_traits<char>::length(argv[2]));
        rc = Tree(title);
    } else if (command == "press" && argc > 2) {
        rc = Press(argv[2]);
    } else if (command == "events" && argc > 2) {
        rc = Events(argv[2]);
    } else {
        std::fprintf(stderr, "usage: accprobe.exe tree TITLE | press HWND | events SECONDS\n");
    }
    std::fflush(stdout);
    CoUninitialize();
    return rc;
}
