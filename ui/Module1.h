// The module procedures that belong to no single window.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

class Program;

// Reply codes and style bits of the message dialog.
constexpr std::int32_t ReplyYes = 64;
constexpr std::int32_t ReplyOK = 16;
constexpr std::int32_t ReplyNo = 8;
constexpr std::int32_t StyleYesNo = 16;

// Shows the message dialog modally and returns the reply code once it is closed.
std::int32_t ShowMessage(Program& program, const std::string& prompt, std::int32_t style = 0);
std::int32_t ShowMessage(Program& program, long long prompt, std::int32_t style = 0);

// Writes the main window's schedule to the settings file (loading the window first if
// needed); never fails in the caller's face.
void SaveSettings(Program& program);
// Restores the settings file into the main window and lays it out for the restored mode.
void LoadSettings(Program& program);

// Saves, asks the system to power off and ends the process. Does not come back on Windows;
// on the headless backend it returns once the end of the process has been recorded.
void DoShutdown(Program& program);

}  // namespace morvane
