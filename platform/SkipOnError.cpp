// The traces of skipped steps: "Morvane skipped a step (MainBarCountdown.cpp:42): why".
#include "platform/SkipOnError.h"

#include <string>

namespace morvane {

namespace {

SkippedStepSink& Sink() {
  static SkippedStepSink sink;
  return sink;
}

std::string_view FileName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

void SetSkippedStepSink(SkippedStepSink sink) { Sink() = std::move(sink); }

// Tracing must not itself end the routine it serves.
void TraceSkippedStep(const char* file, int line, std::string_view why) noexcept {
  try {
    if (!Sink()) return;
    Sink()("Morvane skipped a step (" + std::string(FileName(file ? file : "")) + ":" + std::to_string(line) +
           "): " + std::string(why));
  } catch (...) {
  }
}

}  // namespace morvane
