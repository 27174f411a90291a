// The program's message box: one call shows the message dialog and waits for its reply.
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

}  // namespace morvane
