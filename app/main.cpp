// The entry point: the linked backend supplies the platform, StartUp decides how the run
// begins, and the windows' events carry the program from there.
#include "app/Startup.h"
#include "platform/platform.h"
#include "toolkit/Toolkit.h"
#include "ui/Program.h"

int main() {
  auto platform = morvane::CreatePlatform();
  morvane::Program program(*platform);
  morvane::StartUp(program);
  platform->toolkit().run();
  return 0;
}
