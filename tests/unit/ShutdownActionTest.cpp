// The power-off request: the order of the system calls, the values passed and the records built.
#include <gtest/gtest.h>

#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/VirtualClock.h"
#include "schedule/ShutdownAction.h"

namespace morvane {
namespace {

// Keeps the version record as it was handed to the system.
struct RecordingSystem : HeadlessSystem {
  using HeadlessSystem::HeadlessSystem;
  void getVersionEx(VersionRecord& record) override {
    versionRecord = record;
    HeadlessSystem::getVersionEx(record);
  }
  VersionRecord versionRecord{};
};

TEST(ShutdownAction, CallsAndRecordsByPlatformId) {
  const std::vector<std::string> tokenCalls = {"GetCurrentProcess", "OpenProcessToken ffffffffffffffff 28",
                                               "LookupPrivilegeValueA \"\" SeShutdownPrivilege",
                                               "AdjustTokenPrivileges 7c 0 28"};
  for (std::uint32_t id : {1u, 2u, 0u}) {
    VirtualClock clock{std::chrono::local_days{std::chrono::year{2026} / 5 / 14}};
    RecordingSystem system{clock};
    system.platformId_ = id;
    EXPECT_EQ(GetPlatformId(system), std::to_string(id));
    system.calls.clear();
    RequestPowerOff(system);

    std::vector<std::string> expected = {"GetVersionExA size=148"};
    if (id != 1) expected.insert(expected.end(), tokenCalls.begin(), tokenCalls.end());
    expected.insert(expected.end(), {"ExitWindowsEx 13 0", "EndProcess"});
    EXPECT_EQ(system.calls, expected) << id;

    VersionRecord version{148};
    for (std::size_t i = 20; i < 148; ++i) version[i] = ' ';
    EXPECT_EQ(system.versionRecord, version);
    // Count 1, the LUID the headless lookup answers (0x00000001'00000013), enabled, a spare entry.
    const TokenPrivilegesRecord token = {1, 0, 0, 0, 0x13, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0,
                                         0, 0, 0, 0, 0,    0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(system.lastTokenRecord, id == 1 ? TokenPrivilegesRecord{} : token);
  }
}

}  // namespace
}  // namespace morvane
