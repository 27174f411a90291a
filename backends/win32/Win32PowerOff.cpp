// The calls that carry out the schedule's action: the platform id, the shutdown privilege in
// the process token, and the request itself (ExitWindowsEx, SetSuspendState or LockWorkStation).
// Each step reports a refusal in the system's own words.
#include <windows.h>

#include <cstddef>
#include <string>

#include "backends/win32/SystemLibrary.h"
#include "backends/win32/Win32System.h"
#include "backends/win32/WideText.h"

namespace morvane {

namespace {

// The records in their published layouts: the version record with its 128-character
// service-pack text, and token privileges with room for the shutdown privilege and a spare
// entry (4 + 2 x 12 bytes).
static_assert(sizeof(OSVERSIONINFOA) == 148);
struct ShutdownTokenPrivileges {
  DWORD count;
  LUID_AND_ATTRIBUTES entries[2];
};
static_assert(sizeof(ShutdownTokenPrivileges) == 28);
static_assert(offsetof(ShutdownTokenPrivileges, entries) == offsetof(TOKEN_PRIVILEGES, Privileges));

constexpr DWORD kTokenAdjustPrivilegesOrQuery = TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY;  // 0x28
static_assert(kTokenAdjustPrivilegesOrQuery == 0x28);

// The system's sentence for an error code, in the user's language, without the line break
// FormatMessage ends it with.
std::string ErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = n > 0 && buffer ? Narrow(std::wstring_view(buffer, n)) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text.empty() ? "Error " + std::to_string(error) + "." : text;
}

SystemResult Refused(DWORD error) { return SystemResult::Refused(ErrorText(error)); }

// Shut down, power off, and close programs without asking them; logged as a planned shutdown
// for no particular reason, since the user set its time. Restart and log off close programs
// the same way.
constexpr UINT kForcedPowerOff = EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF;
static_assert(kForcedPowerOff == 13);
constexpr UINT kForcedRestart = EWX_REBOOT | EWX_FORCE;
constexpr UINT kForcedLogOff = EWX_LOGOFF | EWX_FORCE;
// The display turned off: how a machine with Modern Standby goes to sleep.
constexpr LPARAM kMonitorOff = 2;
constexpr DWORD kPlannedReason = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;

// The version record and the privilege name keep their ANSI forms: neither carries text of the
// user's, and the version record is the 148-byte layout above.
DWORD PlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  for (char& c : version.szCSDVersion) c = ' ';
  GetVersionExA(&version);
  return version.dwPlatformId;
}

// AdjustTokenPrivileges succeeds even when it could not enable the privilege, and says so only
// through ERROR_NOT_ALL_ASSIGNED, so the last error is read after a success as well.
SystemResult EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), kTokenAdjustPrivilegesOrQuery, &token)) return Refused(GetLastError());

  SystemResult result;
  LUID luid{};
  ShutdownTokenPrivileges next{};
  ShutdownTokenPrivileges previous{};
  DWORD returned = 0;
  if (!LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid)) {
    result = Refused(GetLastError());
  } else {
    next.count = 1;
    next.entries[0].Luid = luid;
    next.entries[0].Attributes = SE_PRIVILEGE_ENABLED;
    SetLastError(ERROR_SUCCESS);
    const BOOL adjusted = AdjustTokenPrivileges(token, FALSE, reinterpret_cast<TOKEN_PRIVILEGES*>(&next), sizeof next,
                                                reinterpret_cast<TOKEN_PRIVILEGES*>(&previous), &returned);
    const DWORD error = GetLastError();
    if (!adjusted || error == ERROR_NOT_ALL_ASSIGNED) result = Refused(error);
  }
  CloseHandle(token);
  return result;
}

// Sleep and hibernation are powrprof's, loaded from the system folder when first asked for.
struct PowerCalls {
  using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeEventsDisabled);
  using AllowedFn = BOOLEAN(WINAPI*)();
  using CapabilitiesFn = BOOLEAN(WINAPI*)(PSYSTEM_POWER_CAPABILITIES);
  SetSuspendStateFn setSuspendState;
  AllowedFn isPwrSuspendAllowed, isPwrHibernateAllowed;
  CapabilitiesFn getPwrCapabilities;
};

const PowerCalls& Power() {
  static const PowerCalls calls = [] {
    HMODULE powrprof = LoadSystemLibrary(L"powrprof.dll");
    return PowerCalls{LibraryFunction<PowerCalls::SetSuspendStateFn>(powrprof, "SetSuspendState"),
                      LibraryFunction<PowerCalls::AllowedFn>(powrprof, "IsPwrSuspendAllowed"),
                      LibraryFunction<PowerCalls::AllowedFn>(powrprof, "IsPwrHibernateAllowed"),
                      LibraryFunction<PowerCalls::CapabilitiesFn>(powrprof, "GetPwrCapabilities")};
  }();
  return calls;
}

// Many recent laptops have no S1-S3 sleep state, only Modern Standby ("always on, always
// connected"); there SetSuspendState has nothing to enter. The current SDK calls the third byte
// after FastSystemS4 AoAc; MinGW's header still has the older layout, where it is spare.
bool ModernStandby() {
  SYSTEM_POWER_CAPABILITIES capabilities{};
  static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, spare2) == offsetof(SYSTEM_POWER_CAPABILITIES, FastSystemS4) + 1);
  return Power().getPwrCapabilities && Power().getPwrCapabilities(&capabilities) && capabilities.spare2[2];
}

SystemResult Suspend(bool hibernate) {
  if (!Power().setSuspendState) return Refused(ERROR_PROC_NOT_FOUND);
  if (!Power().setSuspendState(hibernate, FALSE, FALSE)) return Refused(GetLastError());
  return {};
}

SystemResult ExitSession(UINT how) {
  if (!ExitWindowsEx(how, kPlannedReason)) return Refused(GetLastError());
  return {};
}

SystemResult Request(Action action) {
  switch (action) {
    case Action::ShutDown: return ExitSession(kForcedPowerOff);
    case Action::Restart: return ExitSession(kForcedRestart);
    case Action::LogOff: return ExitSession(kForcedLogOff);
    case Action::Hibernate: return Suspend(true);
    case Action::Sleep:
      if (!ModernStandby()) return Suspend(false);
      PostMessageW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, kMonitorOff);
      return {};
    case Action::Lock:
      if (!LockWorkStation()) return Refused(GetLastError());
      return {};
  }
  return {};
}

}  // namespace

// The Windows 95 family has no privileges; every other platform asks for one. A refused
// privilege is no reason to give up: the request is made all the same, and says for itself
// whether it was granted.
SystemResult Win32System::perform(Action action) {
  SystemResult privilege;
  if (PlatformId() != VER_PLATFORM_WIN32_WINDOWS) privilege = EnableShutdownPrivilege();
  return PowerOffResult(privilege, Request(action));
}

// What the system says before any request: hibernation when it is allowed, sleep when a sleep
// state is allowed or the machine has Modern Standby.
bool Win32System::offers(Action action) {
  if (action == Action::Hibernate) return Power().isPwrHibernateAllowed && Power().isPwrHibernateAllowed();
  if (action == Action::Sleep) return (Power().isPwrSuspendAllowed && Power().isPwrSuspendAllowed()) || ModernStandby();
  return true;
}

}  // namespace morvane
