// System services on Windows: command line, single instance, screen, files and locale. The clock
// is in Win32Clock.cpp, the calls that power the machine off in Win32PowerOff.cpp. Texts cross the
// Win32 calls as UTF-16 and are UTF-8 everywhere else.
#include "backends/win32/Win32System.h"

#include <cstring>

#include "backends/win32/LocalePictures.h"
#include "backends/win32/SystemLibrary.h"
#include "backends/win32/WideText.h"
#include "platform/DpiScale.h"
#include "backends/win32/Dpi.h"

namespace morvane {

namespace {

std::string LocaleString(LCTYPE type, const char* fallback) {
  wchar_t buffer[128] = {};
  int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  return n > 1 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(n - 1))) : std::string(fallback);
}

// An environment variable of any length; empty when it is not set.
std::wstring Environment(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  DWORD n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  if (n >= value.size()) {
    value.resize(n);
    n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  }
  value.resize(n < value.size() ? n : 0);
  return value;
}

// The sharing errors a rename meets while another process has the target open.
bool TargetInUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

// Asked through an 80-character buffer first; a longer Windows directory is asked again
// with room for it rather than cut short.
std::string WindowsDirectory() {
  wchar_t small[80];
  UINT n = GetWindowsDirectoryW(small, 80);
  if (n > 0 && n < 80) return Narrow(std::wstring_view(small, n));
  std::wstring big(n > 0 ? n + 1 : MAX_PATH, L'\0');
  n = GetWindowsDirectoryW(big.data(), static_cast<UINT>(big.size()));
  big.resize(n < big.size() ? n : 0);
  return Narrow(big);
}

// Read from the environment rather than asked of the shell, so shell32 stays unloaded
// until Help or the home page needs it.
std::string LocalAppDataDirectory() {
  std::wstring path = Environment(L"LOCALAPPDATA");
  if (!path.empty()) return Narrow(path);
  path = Environment(L"USERPROFILE");
  if (!path.empty()) return Narrow(path) + "\\AppData\\Local";
  return {};
}

}  // namespace

Win32System::Win32System() = default;

Win32System::~Win32System() {
  if (instanceMutex_) CloseHandle(instanceMutex_);
  if (wakeTimer_) CloseHandle(wakeTimer_);
}

// The text after the program's own name, as Windows hands it over, less the blanks
// that separate it from the name.
std::string Win32System::commandLine() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return Narrow(p);
}

// Fails closed: a copy running elevated or as another user in the same session owns a mutex
// this process may not open, and any other failure may hide another instance as well.
bool Win32System::claimSingleInstance() {
  instanceMutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Morvane.SingleInstance");
  const DWORD error = GetLastError();
  if (!instanceMutex_) return false;
  return error != ERROR_ALREADY_EXISTS;
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
  ReadDatePicture(LocaleString(LOCALE_SSHORTDATE, "M/d/yyyy"), f);
  ReadTimePicture(LocaleString(LOCALE_STIMEFORMAT, "h:mm:ss tt"), f);
  f.am = LocaleString(LOCALE_S1159, "AM");
  f.pm = LocaleString(LOCALE_S2359, "PM");
  std::string order = LocaleString(LOCALE_IDATE, "0");
  f.order = order == "1" ? DateOrder::DayMonthYear : order == "2" ? DateOrder::YearMonthDay : DateOrder::MonthDayYear;
  return f;
}

// The Windows directory first, as every build has kept the file there; then the program's
// folder in the user's local application data, for a user who may not write the first.
std::vector<std::string> Win32System::settingsFolders() {
  std::vector<std::string> folders = {WindowsDirectory()};
  const std::string userData = LocalAppDataDirectory();
  if (!userData.empty()) folders.push_back(joinPath(userData, "Morvane"));
  return folders;
}

std::string Win32System::joinPath(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

std::string Win32System::executableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // cut short: ask again with more room
  }
  auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::string() : Narrow(std::wstring_view(path).substr(0, slash));
}

// shell32 is loaded the first time it is needed: most runs never open a file or address.
void Win32System::shellOpen(const std::string& verb, const std::string& file) {
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto open = LibraryFunction<ShellExecuteFn>(LoadSystemLibrary(L"shell32.dll"), "ShellExecuteW");
  if (open) open(nullptr, Widen(verb).c_str(), Widen(file).c_str(), L"", L"", SW_SHOWNORMAL);
}

bool Win32System::isNormalFile(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Shared for reading, writing and deleting, so that another instance can put a new file
// in this one's place while it is being read. A read that fails part way gives nothing
// rather than the part that came before.
std::optional<std::string> Win32System::readFile(const std::string& path, std::size_t maxBytes) {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  bool failed = false;
  while (bytes.size() < maxBytes) {
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      failed = true;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, std::min<std::size_t>(got, maxBytes - bytes.size()));
  }
  CloseHandle(file);
  if (failed) return std::nullopt;
  return bytes;
}

// Written beside the target and flushed before it takes the target's place, so a crash or a
// forced power-off leaves the old file or the new one, never half of one. The temporary file
// is removed on every way out but a crash; start-up removes what a crash left.
bool Win32System::replaceFile(const std::string& path, const std::string& temporary, std::string_view bytes) {
  const std::wstring target = Widen(path);
  const std::wstring written = Widen(temporary);
  HANDLE file = CreateFileW(written.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD count = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) && count == bytes.size() &&
            FlushFileBuffers(file);
  CloseHandle(file);
  // A reader in another process (a second bar, a virus scanner, an editor) may hold the
  // target open for a moment; the rename is tried again for up to 200 ms before the save
  // counts as failed. A target that stays locked costs no more than that.
  constexpr DWORD kPatienceMs = 200, kPauseMs = 10;
  const ULONGLONG start = GetTickCount64();
  while (ok && !MoveFileExW(written.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    if (!TargetInUse(GetLastError()) || GetTickCount64() - start >= kPatienceMs) ok = false;
    else Sleep(kPauseMs);
  }
  if (!ok) DeleteFileW(written.c_str());
  return ok;
}

bool Win32System::createDirectory(const std::string& path) {
  const std::wstring wide = Widen(path);
  if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
  DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::int64_t> Win32System::modifiedTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                                   data.ftLastWriteTime.dwLowDateTime);
}

// The pattern also matches short 8.3 names; the caller checks the long names it gets back.
std::vector<std::string> Win32System::filesStartingWith(const std::string& folder, const std::string& prefix) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW(Widen(folder + "\\" + prefix + "*").c_str(), FindExInfoBasic, &found,
                                   FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Narrow(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool Win32System::deleteFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()); }

// The legacy encoding is the system's ANSI code page.
std::string Win32System::legacyTextToUtf8(std::string_view bytes) { return AnsiToUtf8(bytes); }

std::string Win32System::utf8ToLegacyText(std::string_view text) { return Utf8ToAnsi(text); }

std::uint32_t Win32System::processId() { return GetCurrentProcessId(); }

namespace {

// The file name of an executable's path, without its folder.
std::wstring ImageName(const wchar_t* path) {
  const wchar_t* name = path;
  for (const wchar_t* p = path; *p; ++p) {
    if (*p == L'\\' || *p == L'/') name = p + 1;
  }
  return name;
}

// A process whose image cannot be named is taken to be ours: its file is kept.
bool RunsOurImage(HANDLE process) {
  wchar_t theirs[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process, 0, theirs, &size)) return true;
  wchar_t ours[MAX_PATH * 2] = {};
  if (!GetModuleFileNameW(nullptr, ours, MAX_PATH * 2)) return true;
  return CompareStringOrdinal(ImageName(theirs).c_str(), -1, ImageName(ours).c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

// Process ids are reused: an id counts as a running Morvane only while the process under it
// runs an image of the same name. A process of another user (fast user switching) may refuse
// to be opened: it still runs.
bool Win32System::morvaneRunning(std::uint32_t id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE && RunsOurImage(process);
  CloseHandle(process);
  return running;
}

}  // namespace morvane
