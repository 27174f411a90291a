// A whole program on the headless backend, started at a fixed local time.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "backends/headless/HeadlessPlatform.h"
#include "ui/Program.h"

namespace morvane::testing {

inline LocalTime At(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
  using namespace std::chrono;
  return local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}

class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(LocalTime start = At(2026, 12, 7, 10, 0, 0), HeadlessTimeZone zone = {})
      : platform(std::make_unique<HeadlessPlatform>(start, zone)), program(std::make_unique<Program>(*platform)) {}

  // A normal run skips no step; a test that makes a step fail says so.
  void TearDown() override {
    if (stepsMaySkip) return;
    EXPECT_EQ(sys().skippedSteps, std::vector<std::string>{}) << "steps skipped on error";
  }

  HeadlessPlatform& p() { return *platform; }
  HeadlessToolkit& tk() { return platform->tk(); }
  HeadlessSystem& sys() { return platform->sys(); }
  void advance(std::int64_t ms) { tk().advance(ms); }
  LocalTime localOf(Instant instant) { return sys().timeZone().toLocal(instant); }
  const std::string& settingsFile() { return sys().files["C:\\windows\\morvane.dll"]; }
  // The program started with `commandLine`, as the system hands it over.
  void startWith(const std::string& commandLine) {
    sys().commandLine_ = commandLine;
    StartUp(*program);
  }
  // The first text of each message shown, in order.
  std::vector<std::string> messagesShown() const {
    std::vector<std::string> texts;
    for (auto& m : platform->tk().modalsShown()) texts.push_back(m.visibleTexts.empty() ? "" : m.visibleTexts[0]);
    return texts;
  }

  std::unique_ptr<HeadlessPlatform> platform;
  std::unique_ptr<Program> program;
  bool stepsMaySkip = false;
};

}  // namespace morvane::testing
