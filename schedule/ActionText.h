// The words each action is named by: on the bar, in its menu, on the countdown line, on the
// alert, on the command line and in the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Action.h"

namespace morvane {

// The name on the bar, in the action menu and at the start of the countdown line: "Shutdown",
// "Restart", "Sleep", "Hibernate", "Log off", "Lock".
const char* ActionName(Action action);
// The word on the command line and in the settings file: "shutdown", "restart", "sleep",
// "hibernate", "logoff", "lock".
const char* ActionWord(Action action);
// The action a word names, as ActionWord writes it; nothing for any other text.
std::optional<Action> ActionOfWord(std::string_view word);

// The countdown line before the first tick: "Shutdown computer as your wish." for shut down.
const char* CountdownIdleText(Action action);
// The alert's words above the number: "Shutdown After" for shut down.
std::string AlertHeading(Action action);
// The tooltip of the alert's "Run Now".
const char* RunNowTooltip(Action action);
// What a screen reader calls the action word: "Action: Restart".
std::string ActionAccessibleName(Action action);
// The message that tells of a refused request, around the system's own words.
std::string ActionRefusedMessage(Action action, const std::string& systemText);
// What did not happen, for a person who woke the computer after the moment: "it was not shut
// down" for shut down, "Morvane did not restart the computer" and the like for the others.
std::string ActionNotDone(Action action);
// The message when the system says before Start that it cannot do the action at all.
std::string ActionNotOfferedMessage(Action action);

}  // namespace morvane
