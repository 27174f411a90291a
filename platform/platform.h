// The two seams together, as one backend supplies them.
#pragma once

#include <memory>

#include "platform/system.h"

namespace morvane {

class Toolkit;

class Platform {
 public:
  virtual ~Platform() = default;
  virtual System& system() = 0;
  virtual Toolkit& toolkit() = 0;
};

// Made by whichever backend the program is linked with.
std::unique_ptr<Platform> CreatePlatform();

}  // namespace morvane
