// A library looked for the ordinary way is found first in the executable's own folder, so a
// file planted beside morvane.exe (a download folder, a shared drive) would run in its place.
#include "backends/win32/SystemLibrary.h"

#include <string>

namespace morvane {

namespace {

// Windows 7 has these calls only with update KB2533623; they are looked up rather than
// linked so that the program still starts without it.
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFn SetDefaultDllDirectoriesCall() {
  return LibraryFunction<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
}

std::wstring SystemFolder() {
  wchar_t small[MAX_PATH];
  UINT n = GetSystemDirectoryW(small, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::wstring(small, n);
  if (n == 0) return {};
  std::wstring big(n, L'\0');
  n = GetSystemDirectoryW(big.data(), static_cast<UINT>(big.size()));
  big.resize(n < big.size() ? n : 0);
  return big;
}

}  // namespace

// Without the update, SetDllDirectoryW(L"") at least takes the current folder out of the
// search; the executable's own folder stays in it, which is why LoadSystemLibrary names the
// system folder's files by full path.
void RestrictLibrarySearch() {
  if (auto restrict = SetDefaultDllDirectoriesCall()) {
    restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
  } else {
    SetDllDirectoryW(L"");
  }
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Without the update the flag is refused as an invalid parameter; a full path then names
  // the system folder's file directly, and the altered search order looks for that library's
  // own dependencies beside it, in the system folder, before the executable's.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  std::wstring folder = SystemFolder();
  if (folder.empty()) return nullptr;
  return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace morvane
