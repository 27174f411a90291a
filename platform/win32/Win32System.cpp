// System services on Windows: command line, single instance, screen, files and locale. The clock
// is in Win32Clock.cpp, the calls that power the machine off in Win32PowerOff.cpp.
#include "platform/win32/Win32System.h"

#include <cstring>

#include "platform/DpiScale.h"
#include "platform/win32/Dpi.h"

namespace morvane {

namespace {

std::string LocaleString(LCTYPE type, const char* fallback) {
  char buffer[128] = {};
  int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return n > 1 ? std::string(buffer, static_cast<size_t>(n - 1)) : std::string(fallback);
}

}  // namespace

Win32System::Win32System() = default;

Win32System::~Win32System() {
  if (instanceMutex_) CloseHandle(instanceMutex_);
}

// The text after the program's own name, as Windows hands it over, less the blanks
// that separate it from the name.
std::string Win32System::commandLine() {
  const char* p = GetCommandLineA();
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

bool Win32System::claimSingleInstance() {
  instanceMutex_ = CreateMutexA(nullptr, FALSE, "Local\\Morvane.SingleInstance");
  return !(instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

// The screen in units of its dpi, as every screen position the program sees: the
// whole units that fit on it, so a window put flush with its far edge stays on it.
Size Win32System::primaryScreen() {
  const int dpi = ScreenDpi();
  return {GetSystemMetrics(SM_CXSCREEN) * kUnitDpi / dpi, GetSystemMetrics(SM_CYSCREEN) * kUnitDpi / dpi};
}

Point Win32System::cursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {UnscaleFromDpi(static_cast<int>(p.x), ScreenDpi()), UnscaleFromDpi(static_cast<int>(p.y), ScreenDpi())};
}

void Win32System::endProcess() { ExitProcess(0); }

LocaleFormats Win32System::localeFormats() {
  LocaleFormats f;
  f.shortDate = LocaleString(LOCALE_SSHORTDATE, "M/d/yyyy");
  f.longTime = LocaleString(LOCALE_STIMEFORMAT, "h:mm:ss tt");
  f.am = LocaleString(LOCALE_S1159, "AM");
  f.pm = LocaleString(LOCALE_S2359, "PM");
  std::string order = LocaleString(LOCALE_IDATE, "0");
  f.order = order == "1" ? DateOrder::DayMonthYear : order == "2" ? DateOrder::YearMonthDay : DateOrder::MonthDayYear;
  return f;
}

// Asked through an 80-character buffer first; a longer Windows directory is asked again
// with room for it rather than cut short.
std::string Win32System::windowsDirectory() {
  char small[80];
  UINT n = GetWindowsDirectoryA(small, 80);
  if (n > 0 && n < 80) return std::string(small, n);
  std::string big(n > 0 ? n + 1 : MAX_PATH, '\0');
  n = GetWindowsDirectoryA(big.data(), static_cast<UINT>(big.size()));
  big.resize(n < big.size() ? n : 0);
  return big;
}

// Read from the environment rather than asked of the shell, so shell32 stays unloaded
// until Help or the home page needs it.
std::string Win32System::localAppDataDirectory() {
  char path[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("LOCALAPPDATA", path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::string(path, n);
  n = GetEnvironmentVariableA("USERPROFILE", path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::string(path, n) + "\\AppData\\Local";
  return {};
}

std::string Win32System::executableFolder() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  auto slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// shell32 is loaded the first time it is needed: most runs never open a file or address.
void Win32System::shellOpen(const std::string& verb, const std::string& file) {
  static HMODULE shell = LoadLibraryA("shell32.dll");
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  auto open = shell ? reinterpret_cast<ShellExecuteFn>(
                          reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")))
                    : nullptr;
  if (open) open(nullptr, verb.c_str(), file.c_str(), "", "", SW_SHOWNORMAL);
}

bool Win32System::isNormalFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32System::readFile(const std::string& path, std::size_t maxBytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (bytes.size() < maxBytes && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, std::min<std::size_t>(got, maxBytes - bytes.size()));
  }
  CloseHandle(file);
  return bytes;
}

// Written beside the target and flushed before it takes the target's place, so a crash or a
// forced power-off leaves the old file or the new one, never half of one.
bool Win32System::replaceFile(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".new";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (ok) ok = MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(temporary.c_str());
  return ok;
}

bool Win32System::createDirectory(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::int64_t> Win32System::modifiedTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                                   data.ftLastWriteTime.dwLowDateTime);
}

}  // namespace morvane
