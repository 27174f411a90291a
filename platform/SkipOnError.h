// The skip-on-error rule of routines whose failing steps are passed over. A skipped step is not
// silent: it leaves a trace where the backend says (the debugger's output on Windows, a record
// in the headless backend).
#pragma once

#include <exception>
#include <functional>
#include <string_view>

namespace morvane {

// Where the traces of skipped steps go; nowhere until a backend sets it.
using SkippedStepSink = std::function<void(std::string_view trace)>;
void SetSkippedStepSink(SkippedStepSink sink);
void TraceSkippedStep(const char* file, int line, std::string_view why) noexcept;

// Runs one step of a routine whose failing steps are skipped: whatever it throws is traced,
// with the place of the call, and dropped.
template <class F>
void SkipOnError(F&& step, const char* file = __builtin_FILE(), int line = __builtin_LINE()) noexcept {
  try {
    step();
  } catch (const std::exception& e) {
    TraceSkippedStep(file, line, e.what());
  } catch (...) {
    TraceSkippedStep(file, line, "an error of no known kind");
  }
}

}  // namespace morvane
