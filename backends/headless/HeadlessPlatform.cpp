// Wires the headless pieces together.
#include "backends/headless/HeadlessPlatform.h"

#include "platform/SkipOnError.h"

namespace morvane {

// Skipped steps are recorded with the system's requests, for tests to read.
HeadlessPlatform::HeadlessPlatform(LocalTime start, HeadlessTimeZone zone)
    : clock(start, zone), system_(clock), toolkit_(clock, system_) {
  SetSkippedStepSink([this](std::string_view trace) { system_.skippedSteps.emplace_back(trace); });
}

HeadlessPlatform::~HeadlessPlatform() { SetSkippedStepSink(nullptr); }

}  // namespace morvane
