// The system's own time-zone rules, asked afresh at each reading so that a zone the user
// changes while the program runs is followed.
#pragma once

#include "platform/TimeZone.h"

namespace morvane {

class Win32TimeZone : public TimeZone {
 public:
  LocalTime toLocal(Instant instant) const override;
};

}  // namespace morvane
