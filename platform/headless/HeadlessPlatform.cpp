// Wires the headless pieces together.
#include "platform/headless/HeadlessPlatform.h"

namespace morvane {

HeadlessPlatform::HeadlessPlatform(LocalTime start, HeadlessTimeZone zone)
    : clock(start, zone), system_(clock), toolkit_(clock, system_) {}

}  // namespace morvane
