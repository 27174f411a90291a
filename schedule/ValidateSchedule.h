// The check Start runs on the fields of the selected mode: the first failure, or nothing.
#pragma once

#include <optional>
#include <string>

#include "platform/system.h"
#include "schedule/ScheduleFields.h"

namespace morvane {

struct ValidationFailure {
  enum class Focus { BeforeMessage, AfterMessageSelectAll };
  std::string message;
  Field field;
  Focus focus;
  bool silent = false;  // a pasted text that is no number: no message, Start simply goes no further
};

// At mode: a date and time no showing of which lies at or after `now` on `zone`'s wall clock
// is past.
std::optional<ValidationFailure> ValidateSchedule(const ScheduleFields& fields, Instant now, const TimeZone& zone,
                                                  const LocaleFormats& formats);

}  // namespace morvane
