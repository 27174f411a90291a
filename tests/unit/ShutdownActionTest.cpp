// The power-off request: a refused privilege does not stop the request, and a refused request
// says why, in the words of each step the system refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/VirtualClock.h"
#include "schedule/ShutdownAction.h"

namespace morvane {
namespace {

TEST(ShutdownAction, TheRequestIsAlwaysMadeAndARefusalSaysWhy) {
  using Calls = std::vector<std::string>;
  const std::string kNotHeld = "A required privilege is not held by the client.";
  const std::string kInProgress = "A system shutdown is in progress.";
  const struct {
    std::optional<std::string> privilegeRefusal, shutdownRefusal;
    std::optional<std::string> refusal;
  } rows[] = {
      {{}, {}, {}},
      {kNotHeld, {}, {}},
      {{}, kInProgress, kInProgress},
      {"Access is denied.", kNotHeld, kNotHeld + " The shutdown privilege was refused as well: Access is denied."},
      {"", kInProgress, kInProgress},
      {"Access is denied.", "", "Access is denied."},
  };
  for (const auto& r : rows) {
    VirtualClock clock{std::chrono::local_days{std::chrono::year{2026} / 5 / 14}};
    HeadlessSystem system{clock};
    system.privilegeRefusal = r.privilegeRefusal;
    system.shutdownRefusal = r.shutdownRefusal;

    const SystemResult result = RequestAction(system, Action::ShutDown);
    SCOPED_TRACE(r.privilegeRefusal.value_or("-") + " / " + r.shutdownRefusal.value_or("-"));
    const std::vector<std::string> calls = r.refusal ? Calls{"PowerOff"} : Calls{"PowerOff", "EndProcess"};
    EXPECT_EQ(system.calls, calls);
    EXPECT_EQ(result.done, !r.refusal);
    EXPECT_EQ(system.ended, !r.refusal);
    EXPECT_EQ(result.errorText, r.refusal.value_or(""));
  }
}

}  // namespace
}  // namespace morvane
