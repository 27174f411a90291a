// Saving and loading the settings file. It lives in the machine's settings folder; where that
// cannot be written (an ordinary user on a modern Windows), a copy in the user's own folder takes
// its place. The four field lines are kept in the system's legacy text encoding.
#include "settings/SettingsFile.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace morvane {

namespace {

constexpr std::string_view kFileName = "morvane.dll";
// What saves before per-process names wrote to; only an older build can still be holding it.
constexpr std::string_view kSharedTemporaryName = "morvane.dll.new";

// The process id in a name "morvane.dll.<id>.new", compared without regard to case as the
// file system compares names; nothing for any other name.
std::optional<std::uint32_t> TemporaryOwner(std::string_view name) {
  const std::string lower = LowerCase(name);
  const std::string prefix = std::string(kFileName) + ".";
  constexpr std::string_view kSuffix = ".new";
  if (lower.size() <= prefix.size() + kSuffix.size() || lower.rfind(prefix, 0) != 0 ||
      lower.compare(lower.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) {
    return std::nullopt;
  }
  const std::string_view digits =
      std::string_view(lower).substr(prefix.size(), lower.size() - prefix.size() - kSuffix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  std::uint32_t id = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return id;
}

bool Replace(System& system, const std::string& path, const std::string& bytes) {
  return system.replaceFile(path, SettingsTemporaryPath(system, path), bytes);
}

}  // namespace

std::vector<std::string> SettingsPaths(System& system) {
  std::vector<std::string> paths;
  for (const std::string& folder : system.settingsFolders()) paths.push_back(system.joinPath(folder, std::string(kFileName)));
  return paths;
}

// One name per process: two bars saving at once (two users on one machine) never write
// the same temporary file or remove each other's.
std::string SettingsTemporaryPath(System& system, const std::string& target) {
  return target + "." + std::to_string(system.processId()) + ".new";
}

// The callers (Start, Quit, the shutdown) go on with their own work whatever happens here.
bool SaveSettingsFile(System& system, const SettingsValues& values) {
  try {
    const std::string bytes = system.utf8ToLegacyText(FormatSettings(values));
    const std::vector<std::string> folders = system.settingsFolders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
      // Only the first folder is there for certain.
      if (i > 0 && !system.createDirectory(folders[i])) return false;
      if (Replace(system, system.joinPath(folders[i], std::string(kFileName)), bytes)) return true;
    }
    return false;
  } catch (...) {
    return false;
  }
}

// With both files present the newer one holds the last schedule; on a tie the machine's
// folder's file wins. A file that cannot be read counts as missing: the other is tried.
void LoadSettingsFile(System& system, SettingsValues& values) {
  try {
    struct Candidate {
      std::string path;
      std::int64_t time;
    };
    std::vector<Candidate> candidates;
    for (const std::string& path : SettingsPaths(system)) {
      if (!system.isNormalFile(path)) continue;
      std::optional<std::int64_t> time = system.modifiedTime(path);
      candidates.push_back({path, time.value_or(std::numeric_limits<std::int64_t>::min())});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.time > b.time; });
    for (const Candidate& candidate : candidates) {
      if (std::optional<std::string> bytes = system.readFile(candidate.path, kSettingsReadLimit)) {
        // Line ends, digits, signs and blanks are the same bytes in every legacy encoding and
        // in UTF-8, so the whole text can be turned into the fields' UTF-8 before it is split.
        ApplySettingsText(system.legacyTextToUtf8(std::string_view(*bytes).substr(0, kSettingsReadLimit)), values);
        SelectOneMode(values);
        return;
      }
    }
  } catch (...) {
    // An unreadable settings file leaves the values as they were.
  }
}

// A save that was cut short (the process killed between writing and renaming) leaves its
// temporary file behind. A file is removed only when no save can still be using it: its
// process has ended, or it is this process's own name (nothing has been saved yet at
// start-up). A file is left alone while a Morvane runs under its id; an id the system has
// since given to another program does not keep it. The
// shared name of older builds is removed outright: its writer holds it open without sharing
// while it writes and flushes, so the delete fails then; only in the instant between its
// close and its rename can it go, and that one save then fails as any failed save does.
void RemoveStaleSettingsFiles(System& system) {
  const std::uint32_t self = system.processId();
  const std::string prefix = std::string(kFileName) + ".";
  for (const std::string& folder : system.settingsFolders()) {
    if (folder.empty()) continue;
    for (const std::string& name : system.filesStartingWith(folder, prefix)) {
      bool stale = LowerCase(name) == kSharedTemporaryName;
      if (std::optional<std::uint32_t> owner = TemporaryOwner(name)) {
        stale = *owner == self || !system.morvaneRunning(*owner);
      }
      if (stale) system.deleteFile(system.joinPath(folder, name));
    }
  }
}

}  // namespace morvane
