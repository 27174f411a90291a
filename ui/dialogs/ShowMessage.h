// The program's message box: one call shows the message dialog and waits for its reply.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

class Program;

// The buttons a message offers, and the reply it was closed with.
enum class MessageButtons : std::uint8_t { OK, YesNo };
enum class MessageReply : std::uint8_t { None, OK, Yes, No };

// Shows the message dialog modally and returns the reply once it is closed.
MessageReply ShowMessage(Program& program, const std::string& prompt, MessageButtons buttons = MessageButtons::OK);
MessageReply ShowMessage(Program& program, long long prompt, MessageButtons buttons = MessageButtons::OK);

}  // namespace morvane
