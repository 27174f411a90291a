// The Win32 backend as the program's platform.
#include <windows.h>

#include "platform/SkipOnError.h"
#include "platform/platform.h"
#include "backends/win32/WideText.h"
#include "backends/win32/SystemLibrary.h"
#include "backends/win32/Win32System.h"
#include "backends/win32/Win32Toolkit.h"

namespace morvane {

namespace {

class Win32Platform : public Platform {
 public:
  Win32Platform() : toolkit_(GetModuleHandleW(nullptr)) {}
  System& system() override { return system_; }
  Toolkit& toolkit() override { return toolkit_; }

 private:
  Win32System system_;
  Win32Toolkit toolkit_;
};

}  // namespace

// Before anything else can load a library, the search is limited to the system folder. A step
// skipped on error is told to whatever debugger listens.
std::unique_ptr<Platform> CreatePlatform() {
  RestrictLibrarySearch();
  SetSkippedStepSink([](std::string_view trace) { OutputDebugStringW((Widen(trace) + L"\n").c_str()); });
  return std::make_unique<Win32Platform>();
}

}  // namespace morvane
