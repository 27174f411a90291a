// Saving and loading the settings file. It lives in the Windows directory; where that cannot be
// written (an ordinary user on a modern Windows), a copy under the user's local application data
// takes its place.
#include "settings/SettingsFile.h"

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace morvane {

namespace {

std::string UserSettingsFolder(System& system) {
  std::string base = system.localAppDataDirectory();
  return base.empty() ? std::string() : base + "\\Morvane";
}

}  // namespace

std::string SettingsPath(System& system) { return system.windowsDirectory() + "\\morvane.dll"; }

std::string UserSettingsPath(System& system) {
  std::string folder = UserSettingsFolder(system);
  return folder.empty() ? std::string() : folder + "\\morvane.dll";
}

// The callers (Start, Quit, the shutdown) go on with their own work whatever happens here.
bool SaveSettingsFile(System& system, const SettingsValues& values) {
  try {
    const std::string bytes = FormatSettings(values);
    if (system.replaceFile(SettingsPath(system), bytes)) return true;
    std::string folder = UserSettingsFolder(system);
    if (folder.empty() || !system.createDirectory(folder)) return false;
    return system.replaceFile(UserSettingsPath(system), bytes);
  } catch (...) {
    return false;
  }
}

// With both files present the newer one holds the last schedule; on a tie the Windows
// directory's file wins. If the chosen file cannot be read, the other one is tried.
void LoadSettingsFile(System& system, SettingsValues& values) {
  try {
    struct Candidate {
      std::string path;
      std::int64_t time;
    };
    std::vector<Candidate> candidates;
    for (const std::string& path : {SettingsPath(system), UserSettingsPath(system)}) {
      if (path.empty() || !system.isNormalFile(path)) continue;
      std::optional<std::int64_t> time = system.modifiedTime(path);
      candidates.push_back({path, time.value_or(std::numeric_limits<std::int64_t>::min())});
    }
    if (candidates.size() == 2 && candidates[1].time > candidates[0].time) std::swap(candidates[0], candidates[1]);
    for (const Candidate& candidate : candidates) {
      if (std::optional<std::string> bytes = system.readFile(candidate.path, kSettingsReadLimit)) {
        ApplySettingsText(std::string_view(*bytes).substr(0, kSettingsReadLimit), values);
        return;
      }
    }
  } catch (...) {
    // An unreadable settings file leaves the values as they were.
  }
}

}  // namespace morvane
