// Switching the computer off: what the countdown, "Run Now" and the command line end with.
#pragma once

#include <string>

namespace morvane {

class Program;

// The message that tells of a refused power-off, around the system's own words.
std::string PowerOffRefusedMessage(const std::string& systemText);

// Saves, asks the system to power off and ends the process: true. If the system refuses,
// the countdown is stopped, its alert closed and the refusal shown: false, and the caller
// carries on. On Windows a power-off that was granted does not come back; on the headless
// backend it returns once the end of the process has been recorded.
bool DoShutdown(Program& program);

}  // namespace morvane
