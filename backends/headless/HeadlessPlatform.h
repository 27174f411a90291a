// The headless backend as one object: a virtual clock, recorded system services and the
// in-memory toolkit, for native tests.
#pragma once

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/HeadlessToolkit.h"
#include "backends/headless/VirtualClock.h"
#include "platform/platform.h"

namespace morvane {

class HeadlessPlatform : public Platform {
 public:
  // The wall clock of `zone` reads `start`; without a zone, local time is UTC all year.
  explicit HeadlessPlatform(LocalTime start, HeadlessTimeZone zone = {});
  ~HeadlessPlatform() override;
  System& system() override { return system_; }
  Toolkit& toolkit() override { return toolkit_; }

  VirtualClock clock;
  HeadlessSystem& sys() { return system_; }
  HeadlessToolkit& tk() { return toolkit_; }

 private:
  HeadlessSystem system_;
  HeadlessToolkit toolkit_;
};

}  // namespace morvane
