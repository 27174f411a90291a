// The skip-on-error rule of routines whose failing steps are passed over.
#pragma once


namespace morvane {

// Runs one step of a routine whose failing steps are skipped: whatever it throws is dropped.
template <class F>
void SkipOnError(F&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace morvane
