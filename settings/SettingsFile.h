// Where the settings file lives and how it is saved and restored; failures are absorbed here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/system.h"
#include "settings/SettingsText.h"

namespace morvane {

// Far more than six short lines; a bigger file is read only this far.
inline constexpr std::size_t kSettingsReadLimit = 64 * 1024;

// Where the settings file may be, most preferred first; a later one is written only when the
// ones before it refuse the file.
std::vector<std::string> SettingsPaths(System& system);
// The name this process writes a new settings file under before it takes the file's place.
std::string SettingsTemporaryPath(System& system, const std::string& target);

bool SaveSettingsFile(System& system, const SettingsValues& values);
void LoadSettingsFile(System& system, SettingsValues& values);
// Removes the temporary files that saves of ended processes left in both settings folders.
void RemoveStaleSettingsFiles(System& system);

}  // namespace morvane
