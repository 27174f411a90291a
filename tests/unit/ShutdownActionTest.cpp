// The power-off request: the steps asked of the system by platform, and where a refusal stops them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/VirtualClock.h"
#include "schedule/ShutdownAction.h"

namespace morvane {
namespace {

TEST(ShutdownAction, StepsByPlatformAndTheFirstRefusalEndsThem) {
  using Calls = std::vector<std::string>;
  const struct {
    std::uint32_t platformId;
    std::optional<std::string> privilegeRefusal, shutdownRefusal;
    Calls calls;
    std::optional<std::string> refusal;
  } rows[] = {
      {1, {}, {}, {"PlatformId", "RequestShutdown 13", "EndProcess"}, {}},
      {2, {}, {}, {"PlatformId", "EnableShutdownPrivilege", "RequestShutdown 13", "EndProcess"}, {}},
      {0, {}, {}, {"PlatformId", "EnableShutdownPrivilege", "RequestShutdown 13", "EndProcess"}, {}},
      {2, "Access is denied.", {}, {"PlatformId", "EnableShutdownPrivilege"}, "Access is denied."},
      {2, {}, "A system shutdown is in progress.", {"PlatformId", "EnableShutdownPrivilege", "RequestShutdown 13"},
       "A system shutdown is in progress."},
      {1, "never asked", "Access is denied.", {"PlatformId", "RequestShutdown 13"}, "Access is denied."},
  };
  for (const auto& r : rows) {
    VirtualClock clock{std::chrono::local_days{std::chrono::year{2026} / 5 / 14}};
    HeadlessSystem system{clock};
    system.platformId_ = r.platformId;
    system.privilegeRefusal = r.privilegeRefusal;
    system.shutdownRefusal = r.shutdownRefusal;

    const SystemResult result = RequestPowerOff(system);
    SCOPED_TRACE(r.platformId);
    EXPECT_EQ(system.calls, r.calls);
    EXPECT_EQ(result.done, !r.refusal);
    EXPECT_EQ(system.ended, !r.refusal);
    EXPECT_EQ(result.errorText, r.refusal.value_or(""));
  }
}

}  // namespace
}  // namespace morvane
