// Recorded system services for native tests.
#include "backends/headless/HeadlessSystem.h"

#include <cctype>
#include <stdexcept>

#include "platform/DateConversion.h"
#include "backends/headless/VirtualClock.h"

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

std::int64_t HeadlessSystem::steadyMilliseconds() { return clock_.steadyMs(); }

const TimeZone& HeadlessSystem::timeZone() { return clock_.zone(); }

std::optional<LocalTime> HeadlessSystem::convertDateTime(std::string_view text, LocalTime now) {
  if (dateConversion_) return dateConversion_(text, now);
  return ConvertDateTime(text, now, locale_);
}

bool HeadlessSystem::claimSingleInstance() {
  if (instanceCheckFails) throw std::runtime_error("the single-instance check failed");
  return !anotherInstance_;
}

void HeadlessSystem::endProcess() {
  calls.push_back("EndProcess");
  ended = true;
  clock_.stop();
}

// As on Windows: the Windows directory, then the program's folder in the user's local
// application data.
std::vector<std::string> HeadlessSystem::settingsFolders() {
  std::vector<std::string> folders = {windowsDirectory_};
  if (!localAppData_.empty()) folders.push_back(joinPath(localAppData_, "Morvane"));
  return folders;
}

void HeadlessSystem::shellOpen(const std::string& verb, const std::string& file) {
  calls.push_back("ShellExecute " + verb + " " + file);
}

bool HeadlessSystem::isNormalFile(const std::string& path) { return files.count(path) != 0; }

std::optional<std::string> HeadlessSystem::readFile(const std::string& path, std::size_t maxBytes) {
  lastReadLimit = maxBytes;
  auto it = files.find(path);
  if (it == files.end() || unreadableFiles.count(path)) return std::nullopt;
  return it->second.substr(0, maxBytes);
}

bool HeadlessSystem::replaceFile(const std::string& path, const std::string& temporary, std::string_view bytes) {
  std::string dir = ParentOf(temporary);
  if (!directories.count(dir) || dir != ParentOf(path)) return false;
  for (const std::string& ro : readOnlyDirectories) {
    if (dir == ro || dir.rfind(ro + "\\", 0) == 0) return false;
  }
  files[temporary] = std::string(bytes);
  fileTimes[temporary] = ++writeCounter_;
  if (dieBeforeRename) {
    dieBeforeRename = false;
    throw ProcessDied();
  }
  files[path] = std::move(files[temporary]);
  fileTimes[path] = fileTimes[temporary];
  files.erase(temporary);
  fileTimes.erase(temporary);
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

std::vector<std::string> HeadlessSystem::filesStartingWith(const std::string& folder, const std::string& prefix) {
  auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  std::vector<std::string> names;
  for (const auto& [path, bytes] : files) {
    if (ParentOf(path) != folder) continue;
    std::string name = path.substr(folder.size() + 1);
    if (lower(name).rfind(lower(prefix), 0) == 0) names.push_back(name);
  }
  return names;
}

bool HeadlessSystem::deleteFile(const std::string& path) {
  calls.push_back("DeleteFile " + path);
  fileTimes.erase(path);
  return files.erase(path) != 0;
}

std::string HeadlessSystem::legacyTextToUtf8(std::string_view bytes) {
  if (!latin1CodePage) return std::string(bytes);
  std::string text;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | c >> 6);
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

std::string HeadlessSystem::utf8ToLegacyText(std::string_view text) {
  if (!latin1CodePage) return std::string(text);
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const bool twoByteLatin1 = (lead == 0xC2 || lead == 0xC3) && i + 1 < text.size();
    if (length == 1) {
      bytes += static_cast<char>(lead);
    } else if (twoByteLatin1) {
      bytes += static_cast<char>((lead & 0x03) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    } else {
      bytes += '?';
    }
    i += length;
  }
  return bytes;
}

void HeadlessSystem::keepAwake(bool on) {
  calls.push_back(on ? "KeepAwake on" : "KeepAwake off");
  keptAwake = on;
}

bool HeadlessSystem::wakeAt(Instant when) {
  calls.push_back("WakeAt " + std::to_string(when.time_since_epoch().count()));
  if (refuseWake) return false;
  wake = when;
  return true;
}

void HeadlessSystem::cancelWake() {
  calls.push_back("CancelWake");
  wake.reset();
}

SystemResult HeadlessSystem::perform(Action action) {
  static constexpr const char* kNames[] = {"PowerOff", "Restart", "Sleep", "Hibernate", "LogOff", "Lock"};
  calls.push_back(kNames[static_cast<int>(action)]);
  auto step = [](const std::optional<std::string>& refusal) {
    return refusal ? SystemResult::Refused(*refusal) : SystemResult{};
  };
  return PowerOffResult(step(privilegeRefusal), step(shutdownRefusal));
}

}  // namespace morvane
