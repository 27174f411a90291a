// The bar's schedule kept in the settings file between runs.
#pragma once

namespace morvane {

class Program;

// Writes the bar's schedule to the settings file, or with no bar loaded, the schedule the file
// holds as the bar would keep it; never fails in the caller's face.
void SaveSettings(Program& program);
// Restores the settings file into the bar and lays it out for the restored mode.
void LoadSettings(Program& program);

}  // namespace morvane
