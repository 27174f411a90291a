// One row per action, in the order of the enum; shut down keeps the texts it has always had.
#include "schedule/ActionText.h"

namespace morvane {

namespace {

struct ActionTexts {
  const char* name;
  const char* word;
  const char* idle;
  const char* runNow;
  const char* refusal;  // what could not be done, after "Morvane could not "
  const char* missing;  // what the computer lacks, after "This computer cannot "
};

constexpr ActionTexts kTexts[] = {
    {"Shutdown", "shutdown", "Shutdown computer as your wish.", "Shut down now", "switch the computer off", "shut down"},
    {"Restart", "restart", "Restart computer as your wish.", "Restart now", "restart the computer", "restart"},
    {"Sleep", "sleep", "Sleep computer as your wish.", "Sleep now", "put the computer to sleep", "sleep"},
    {"Hibernate", "hibernate", "Hibernate computer as your wish.", "Hibernate now", "hibernate the computer",
     "hibernate"},
    {"Log off", "logoff", "Log off computer as your wish.", "Log off now", "log off", "log off"},
    {"Lock", "lock", "Lock computer as your wish.", "Lock now", "lock the computer", "lock"},
};

const ActionTexts& TextsOf(Action action) { return kTexts[static_cast<int>(action)]; }

}  // namespace

const char* ActionName(Action action) { return TextsOf(action).name; }
const char* ActionWord(Action action) { return TextsOf(action).word; }

std::optional<Action> ActionOfWord(std::string_view word) {
  for (Action action : kActions) {
    if (word == TextsOf(action).word) return action;
  }
  return std::nullopt;
}

const char* CountdownIdleText(Action action) { return TextsOf(action).idle; }
std::string AlertHeading(Action action) { return std::string(ActionName(action)) + " After"; }
const char* RunNowTooltip(Action action) { return TextsOf(action).runNow; }
std::string ActionAccessibleName(Action action) { return std::string("Action: ") + ActionName(action); }

std::string ActionRefusedMessage(Action action, const std::string& systemText) {
  const std::string text = std::string("Morvane could not ") + TextsOf(action).refusal;
  return systemText.empty() ? text + "." : text + ": " + systemText;
}

std::string ActionNotDone(Action action) {
  if (action == Action::ShutDown) return "it was not shut down";
  return std::string("Morvane did not ") + TextsOf(action).refusal;
}

std::string ActionNotOfferedMessage(Action action) {
  return std::string("This computer cannot ") + TextsOf(action).missing +
         ": the system does not offer it. Choose another action.";
}

}  // namespace morvane
