// The entry point: the linked backend supplies the platform, what earlier runs left behind
// is tidied up, StartUp decides how the run begins, and the windows' events carry the
// program from there.
#include "app/Startup.h"
#include "platform/SkipOnError.h"
#include "platform/platform.h"
#include "settings/SettingsFile.h"
#include "ui/Program.h"

int main() {
  auto platform = morvane::CreatePlatform();
  morvane::SkipOnError([&] { morvane::RemoveStaleSettingsFiles(platform->system()); });
  morvane::Program program(*platform);
  morvane::StartUp(program);
  platform->toolkit().run();
  return 0;
}
