// Builds the version and token records in their published little-endian layouts.
#include "schedule/ShutdownAction.h"

namespace morvane {

namespace {

template <std::size_t N>
void PutU32(std::array<std::uint8_t, N>& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template <std::size_t N>
std::uint32_t GetU32(const std::array<std::uint8_t, N>& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
  return value;
}

constexpr std::size_t kPlatformIdOffset = 16;
constexpr std::size_t kCsdVersionOffset = 20;
constexpr std::uint32_t kPrivilegeEnabled = 2;

}  // namespace

std::string GetPlatformId(System& system) {
  VersionRecord record{};
  PutU32(record, 0, static_cast<std::uint32_t>(record.size()));
  for (std::size_t i = kCsdVersionOffset; i < record.size(); ++i) record[i] = ' ';
  system.getVersionEx(record);
  return std::to_string(GetU32(record, kPlatformIdOffset));
}

// None of the results is examined: if the privilege cannot be had, the shutdown request
// is refused later and the program ends all the same.
void EnableShutdownPrivilege(System& system) {
  Handle process = system.getCurrentProcess();
  Handle token = system.openProcessToken(process, kTokenAdjustPrivilegesOrQuery);
  std::uint64_t luid = system.lookupPrivilegeValue("", "SeShutdownPrivilege");
  TokenPrivilegesRecord privileges{};
  PutU32(privileges, 0, 1);
  PutU32(privileges, 4, static_cast<std::uint32_t>(luid));
  PutU32(privileges, 8, static_cast<std::uint32_t>(luid >> 32));
  PutU32(privileges, 12, kPrivilegeEnabled);
  TokenPrivilegesRecord previous{};
  system.adjustTokenPrivileges(token, false, privileges, static_cast<std::uint32_t>(privileges.size()), previous);
}

// The Windows 95 family (platform id 1) has no privileges; every other id asks for one.
// Whatever the system makes of the request, the process ends: callers rely on never coming back.
void RequestPowerOff(System& system) {
  try {
    if (GetPlatformId(system) != "1") EnableShutdownPrivilege(system);
  } catch (...) {
  }
  try {
    system.exitWindows(kShutdownForcePowerOff, 0);
  } catch (...) {
  }
  system.endProcess();
}

}  // namespace morvane
