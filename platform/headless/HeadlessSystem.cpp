// Recorded system services for native tests.
#include "platform/headless/HeadlessSystem.h"

#include "app/DateConversion.h"
#include "platform/headless/VirtualClock.h"

namespace morvane {

namespace {
std::string ParentOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
}  // namespace

HeadlessSystem::HeadlessSystem(VirtualClock& clock) : clock_(clock) {
  directories = {windowsDirectory_, localAppData_};
}

Instant HeadlessSystem::currentInstant() { return clock_.instant(); }

const TimeZone& HeadlessSystem::timeZone() { return clock_.zone(); }

std::optional<LocalTime> HeadlessSystem::convertDateTime(std::string_view text, LocalTime now) {
  if (dateConversion_) return dateConversion_(text, now);
  return ConvertDateTime(text, now, locale_);
}

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

std::uint32_t HeadlessSystem::platformId() {
  calls.push_back("PlatformId");
  return platformId_;
}

SystemResult HeadlessSystem::enableShutdownPrivilege() {
  calls.push_back("EnableShutdownPrivilege");
  return privilegeRefusal ? SystemResult::Refused(*privilegeRefusal) : SystemResult{};
}

SystemResult HeadlessSystem::requestShutdown(std::uint32_t flags) {
  calls.push_back("RequestShutdown " + std::to_string(flags));
  return shutdownRefusal ? SystemResult::Refused(*shutdownRefusal) : SystemResult{};
}

}  // namespace morvane
