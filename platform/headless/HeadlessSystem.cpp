// Recorded system services for native tests.
#include "platform/headless/HeadlessSystem.h"

#include <cstdio>

#include "platform/headless/VirtualClock.h"

namespace morvane {

namespace {
std::string Hex(std::uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(value));
  return buffer;
}

std::string ParentOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

HeadlessSystem::HeadlessSystem(VirtualClock& clock) : clock_(clock) {
  directories = {windowsDirectory_, localAppData_};
}

LocalTime HeadlessSystem::now() { return clock_.wallClock(); }

void HeadlessSystem::endProcess() {
  calls.push_back("EndProcess");
  ended = true;
  clock_.stop();
}

void HeadlessSystem::shellOpen(const std::string& verb, const std::string& file) {
  calls.push_back("ShellExecute " + verb + " " + file);
}

bool HeadlessSystem::isNormalFile(const std::string& path) { return files.count(path) != 0; }

std::optional<std::string> HeadlessSystem::readFile(const std::string& path, std::size_t maxBytes) {
  lastReadLimit = maxBytes;
  auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return it->second.substr(0, maxBytes);
}

bool HeadlessSystem::replaceFile(const std::string& path, std::string_view bytes) {
  std::string dir = ParentOf(path);
  if (!directories.count(dir)) return false;
  for (const std::string& ro : readOnlyDirectories) {
    if (dir == ro || dir.rfind(ro + "\\", 0) == 0) return false;
  }
  files[path] = std::string(bytes);
  fileTimes[path] = ++writeCounter_;
  return true;
}

bool HeadlessSystem::createDirectory(const std::string& path) {
  std::string parent = ParentOf(path);
  if (!directories.count(path)) {
    if (!directories.count(parent)) return false;
    directories.insert(path);
  }
  return true;
}

std::optional<std::int64_t> HeadlessSystem::modifiedTime(const std::string& path) {
  auto it = fileTimes.find(path);
  if (it == fileTimes.end()) return files.count(path) ? std::optional<std::int64_t>(0) : std::nullopt;
  return it->second;
}

void HeadlessSystem::getVersionEx(VersionRecord& record) {
  calls.push_back("GetVersionExA size=" + std::to_string(record[0] | record[1] << 8));
  record[16] = static_cast<std::uint8_t>(platformId_);
  record[17] = record[18] = record[19] = 0;
}

Handle HeadlessSystem::getCurrentProcess() {
  calls.push_back("GetCurrentProcess");
  return static_cast<Handle>(-1);
}

Handle HeadlessSystem::openProcessToken(Handle process, std::uint32_t desiredAccess) {
  calls.push_back("OpenProcessToken " + Hex(process) + " " + Hex(desiredAccess));
  return 0x7c;
}

std::uint64_t HeadlessSystem::lookupPrivilegeValue(const std::string& systemName, const std::string& privilege) {
  calls.push_back("LookupPrivilegeValueA \"" + systemName + "\" " + privilege);
  return 0x0000000100000013ull;
}

void HeadlessSystem::adjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivilegesRecord& newState,
                                           std::uint32_t bufferLength, TokenPrivilegesRecord& previousState) {
  calls.push_back("AdjustTokenPrivileges " + Hex(token) + " " + (disableAll ? "1" : "0") + " " +
                  std::to_string(bufferLength));
  lastTokenRecord = newState;
  (void)previousState;
}

void HeadlessSystem::exitWindows(std::uint32_t flags, std::uint32_t reserved) {
  calls.push_back("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reserved));
}

}  // namespace morvane
