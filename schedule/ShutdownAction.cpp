// The action's request; the process ends once the system has granted one that ends the session.
#include "schedule/ShutdownAction.h"

namespace morvane {

SystemResult RequestAction(System& system, Action action) {
  SystemResult result = system.perform(action);
  if (result && EndsTheProgram(action)) system.endProcess();
  return result;
}

}  // namespace morvane
