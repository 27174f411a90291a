// The bar's schedule kept in the settings file between runs.
#pragma once

namespace morvane {

class Program;

// Writes the bar's schedule to the settings file (loading the bar first if needed); never
// fails in the caller's face.
void SaveSettings(Program& program);
// Restores the settings file into the bar and lays it out for the restored mode.
void LoadSettings(Program& program);

}  // namespace morvane
