// Switching the computer off: what the countdown, "Run Now" and the command line end with.
#pragma once

namespace morvane {

class Program;

// Saves, asks the system to power off and ends the process. Does not come back on Windows;
// on the headless backend it returns once the end of the process has been recorded.
void DoShutdown(Program& program);

}  // namespace morvane
