// The Win32 backend as the program's platform.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Toolkit.h"

namespace morvane {

namespace {

class Win32Platform : public Platform {
 public:
  Win32Platform() : toolkit_(GetModuleHandleA(nullptr)) {}
  System& system() override { return system_; }
  Toolkit& toolkit() override { return toolkit_; }

 private:
  Win32System system_;
  Win32Toolkit toolkit_;
};

}  // namespace

std::unique_ptr<Platform> CreatePlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace morvane
