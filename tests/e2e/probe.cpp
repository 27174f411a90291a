// probe.exe: prints every top-level window of the desktop, with its child
// controls, as JSON on stdout. The e2e tests run it inside the same Wine
// prefix and display as morvane.exe to read what Win32 knows about the
// controls (text, rectangle, visibility, focus, selection), which X alone
// cannot tell.
//
//   probe.exe [filter]
//   probe.exe --gdi PID
//   probe.exe --dpi-changed HWND DPI
//   probe.exe --hold
//   probe.exe --power EVENT | --foreground HWND | --click-on-show TITLE X Y  (probe_nudge.h)
//
// With a filter, only top-level windows whose text or class name contains it
// (case-sensitive) are listed, each still with all of its children. With
// --gdi it prints {"gdi":N,"types":{...}}, the number of GDI objects the Windows process PID
// holds (stock objects included), or -1 when that cannot be read, and the same
// counted by the entry's type byte (1 DC, 4 region, 9 bitmap, 10 font, 16 brush). With
// --dpi-changed it sends the top-level window HWND (hex) the WM_DPICHANGED that
// Windows sends when the window's screen gets another scale, and prints
// {"answered":true} once the window has answered it. Wine has one dpi for every
// screen and never sends it. With --hold it keeps the desktop open until it is
// ended, and prints nothing: Wine closes a desktop a second after its last
// program ends, and a program that opened the desktop just before that but
// joined it just after is left on a desktop no later program sees.
//
// Text is read with WM_GETTEXT rather than GetWindowText: for a window of
// another process GetWindowText returns the stored caption, which an edit
// control does not keep up to date while the user types.

#include <windows.h>
#include <shellapi.h>
#include <winternl.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "json_text.h"
#include "probe_nudge.h"

namespace {

constexpr UINT kSendTimeoutMs = 1000;
constexpr DWORD_PTR kMaxText = 1 << 16;

void append_hex(std::string& out, unsigned long long v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"0x%llx\"", v);
    out += buf;
}

void append_bool(std::string& out, bool b) { out += b ? "true" : "false"; }

void append_int(std::string& out, long long v) { out += std::to_string(v); }

bool send(HWND h, UINT msg, WPARAM w, LPARAM l, DWORD_PTR& result) {
    result = 0;
    return SendMessageTimeoutW(h, msg, w, l, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &result) != 0;
}

std::wstring window_text(HWND h) {
    DWORD_PTR len = 0;
    if (send(h, WM_GETTEXTLENGTH, 0, 0, len)) {
        if (len > kMaxText) len = kMaxText;
        std::vector<wchar_t> buf(len + 2, L'\0');
        DWORD_PTR got = 0;
        if (send(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), got)) {
            if (got >= buf.size()) got = buf.size() - 1;
            return std::wstring(buf.data(), got);
        }
    }
    // The owning thread is hung or gone: fall back to the stored caption.
    wchar_t buf[1024] = {};
    const int n = GetWindowTextW(h, buf, 1024);
    return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring class_name(HWND h) {
    wchar_t buf[256] = {};
    const int n = GetClassNameW(h, buf, 256);
    return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

bool is_edit(const std::wstring& cls) { return lstrcmpiW(cls.c_str(), L"Edit") == 0; }

class Probe {
public:
    explicit Probe(std::wstring filter) : filter_(std::move(filter)), foreground_(GetForegroundWindow()) {}

    std::string run() {
        EnumWindows(&Probe::on_top, reinterpret_cast<LPARAM>(this));
        std::string out = "{\"windows\":[";
        bool first = true;
        for (HWND top : tops_) {
            const std::wstring text = window_text(top);
            const std::wstring cls = class_name(top);
            if (!filter_.empty() && text.find(filter_) == std::wstring::npos &&
                cls.find(filter_) == std::wstring::npos)
                continue;
            out += first ? "\n" : ",\n";
            first = false;
            append_window(out, top, text, cls, true);
        }
        out += "\n]}\n";
        return out;
    }

private:
    static BOOL CALLBACK on_top(HWND h, LPARAM self) {
        reinterpret_cast<Probe*>(self)->tops_.push_back(h);
        return TRUE;
    }

    static BOOL CALLBACK on_child(HWND h, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
        return TRUE;
    }

    const GUITHREADINFO& thread_info(DWORD tid) {
        auto it = threads_.find(tid);
        if (it == threads_.end()) {
            GUITHREADINFO gti{};
            gti.cbSize = sizeof gti;
            if (!GetGUIThreadInfo(tid, &gti)) {
                gti = GUITHREADINFO{};
                gti.cbSize = sizeof gti;
            }
            it = threads_.emplace(tid, gti).first;
        }
        return it->second;
    }

    void append_window(std::string& out, HWND h, const std::wstring& text, const std::wstring& cls, bool top) {
        DWORD pid = 0;
        const DWORD tid = GetWindowThreadProcessId(h, &pid);
        const GUITHREADINFO& gti = thread_info(tid);
        RECT r{};
        GetWindowRect(h, &r);
        const auto style = static_cast<unsigned long long>(GetWindowLongPtrW(h, GWL_STYLE)) & 0xffffffffull;
        const auto exstyle = static_cast<unsigned long long>(GetWindowLongPtrW(h, GWL_EXSTYLE)) & 0xffffffffull;

        out += "{\"hwnd\":";
        append_hex(out, reinterpret_cast<ULONG_PTR>(h));
        out += ",\"class\":";
        AppendJsonString(out, cls);
        out += ",\"text\":";
        AppendJsonString(out, text);
        out += ",\"rect\":{\"x\":";
        append_int(out, r.left);
        out += ",\"y\":";
        append_int(out, r.top);
        out += ",\"w\":";
        append_int(out, r.right - r.left);
        out += ",\"h\":";
        append_int(out, r.bottom - r.top);
        out += "},\"visible\":";
        append_bool(out, IsWindowVisible(h));
        out += ",\"enabled\":";
        append_bool(out, IsWindowEnabled(h));
        out += ",\"topmost\":";
        append_bool(out, (exstyle & WS_EX_TOPMOST) != 0);
        out += ",\"focused\":";
        append_bool(out, gti.hwndFocus == h);
        out += ",\"style\":";
        append_hex(out, style);
        out += ",\"exstyle\":";
        append_hex(out, exstyle);
        out += ",\"pid\":";
        append_int(out, pid);
        out += ",\"tid\":";
        append_int(out, tid);
        if (is_edit(cls)) {
            DWORD_PTR sel = 0;
            if (send(h, EM_GETSEL, 0, 0, sel)) {
                out += ",\"sel\":{\"start\":";
                append_int(out, LOWORD(sel));
                out += ",\"end\":";
                append_int(out, HIWORD(sel));
                out += "}";
            }
        }
        if (top) {
            out += ",\"owner\":";
            append_hex(out, reinterpret_cast<ULONG_PTR>(GetWindow(h, GW_OWNER)));
            out += ",\"active\":";
            append_bool(out, gti.hwndActive == h);
            out += ",\"foreground\":";
            append_bool(out, foreground_ == h);
            std::vector<HWND> children;
            EnumChildWindows(h, &Probe::on_child, reinterpret_cast<LPARAM>(&children));
            out += ",\"children\":[";
            bool first = true;
            for (HWND c : children) {
                out += first ? "\n " : ",\n ";
                first = false;
                append_window(out, c, window_text(c), class_name(c), false);
            }
            out += "]";
        } else {
            out += ",\"parent\":";
            append_hex(out, reinterpret_cast<ULONG_PTR>(GetAncestor(h, GA_PARENT)));
            out += ",\"id\":";
            append_int(out, GetDlgCtrlID(h));
        }
        out += "}";
    }

    std::wstring filter_;
    HWND foreground_;
    std::vector<HWND> tops_;
    std::map<DWORD, GUITHREADINFO> threads_;
};

// GetGuiResources is a stub under Wine, but every process keeps its GDI objects in
// the handle table its PEB points to (GdiSharedHandleTable, at 0xf8 in a 64-bit
// PEB), as Windows did up to version 8: an entry whose type byte is non-zero is
// in use.
// The counts come back by the entry's type byte, as {"1":dcs,"4":regions,...}.
long gdi_objects(DWORD pid, std::map<int, long>* by_type = nullptr) {
    struct Entry {
        unsigned long long object;
        unsigned long owner;
        unsigned short unique;
        unsigned char type;
        unsigned char flags;
        unsigned long long user;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr size_t kEntries = 0x10000;
    constexpr size_t kPebGdiTable = 0xf8;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return -1;
    long count = -1;
    PROCESS_BASIC_INFORMATION info{};
    ULONG_PTR table = 0;
    std::vector<Entry> entries(kEntries);
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr) == 0 &&
        ReadProcessMemory(process, reinterpret_cast<const char*>(info.PebBaseAddress) + kPebGdiTable, &table,
                          sizeof table, nullptr) &&
        table != 0 &&
        ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                          entries.size() * sizeof(Entry), nullptr))
        count = static_cast<long>(std::count_if(entries.begin(), entries.end(), [&](const Entry& e) {
            if (e.type != 0 && by_type) ++(*by_type)[e.type];
            return e.type != 0;
        }));
    CloseHandle(process);
    return count;
}

// The message's suggested rectangle keeps the window's corner and scales its size;
// it is written into the window's own process, since the message carries only its
// address there.
bool dpi_changed(HWND window, UINT dpi) {
    RECT rect{};
    DWORD pid = 0;
    if (!GetWindowRect(window, &rect) || !GetWindowThreadProcessId(window, &pid)) return false;
    const UINT old = GetDpiForWindow(window) ? GetDpiForWindow(window) : 96;
    rect.right = rect.left + MulDiv(rect.right - rect.left, static_cast<int>(dpi), static_cast<int>(old));
    rect.bottom = rect.top + MulDiv(rect.bottom - rect.top, static_cast<int>(dpi), static_cast<int>(old));
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD_PTR result = 0;
    const bool answered = remote && WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
                          send(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote), result);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return answered;
}

std::vector<std::wstring> arguments() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i) args.emplace_back(argv[i]);
    if (argv) LocalFree(argv);
    return args;
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    const std::vector<std::wstring> args = arguments();
    std::string json;
    if (args.size() == 1 && args[0] == L"--hold") {
        GetDesktopWindow();  // joins the desktop: one of its users while it sleeps
        Sleep(INFINITE);
    } else if (args.size() == 2 && args[0] == L"--gdi") {
        std::map<int, long> by_type;
        json = "{\"gdi\":" + std::to_string(gdi_objects(std::wcstoul(args[1].c_str(), nullptr, 10), &by_type)) + ",\"types\":{";
        for (const auto& [type, n] : by_type) json += (json.back() == '{' ? "\"" : ",\"") + std::to_string(type) + "\":" + std::to_string(n);
        json += "}}\n";
    } else if (args.size() == 3 && args[0] == L"--dpi-changed") {
        HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(args[1].c_str(), nullptr, 16)));
        const bool answered = dpi_changed(window, static_cast<UINT>(std::wcstoul(args[2].c_str(), nullptr, 10)));
        json = std::string("{\"answered\":") + (answered ? "true" : "false") + "}\n";
    } else if (args.size() == 2 && args[0] == L"--power") {
        json = "{\"sent\":" + std::to_string(nudge::power_broadcast(std::wcstoul(args[1].c_str(), nullptr, 10))) + "}\n";
    } else if (args.size() == 2 && args[0] == L"--foreground") {
        HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(args[1].c_str(), nullptr, 16)));
        json = std::string("{\"foreground\":") + (nudge::activate_from_outside(window) ? "true" : "false") + "}\n";
    } else if (args.size() == 4 && args[0] == L"--click-on-show") {
        json = nudge::click_on_show(args[1], std::stoi(args[2]), std::stoi(args[3]));
    } else {
        json = Probe(args.empty() ? std::wstring() : args[0]).run();
    }
    const size_t written = std::fwrite(json.data(), 1, json.size(), stdout);
    return (written == json.size() && std::fflush(stdout) == 0) ? 0 : 1;
}
