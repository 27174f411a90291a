// The settings file when things go wrong: unreadable files, colour pairs no bar wrote, saves
// cut short, other processes' leftovers, and field text outside ASCII.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/VirtualClock.h"
#include "schedule/ScheduleFields.h"
#include "settings/SettingsFile.h"

namespace morvane {
namespace {

using namespace std::chrono;

const std::string kWindowsFolder = "C:\\windows";
const std::string kWindowsFile = kWindowsFolder + "\\morvane.dll";
const std::string kUserFolder = "C:\\users\\user\\AppData\\Local\\Morvane";
const std::string kUserFile = kUserFolder + "\\morvane.dll";

std::string Schedule(const std::string& hour) { return hour + "\r\n0\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n"; }

struct SettingsFaults : ::testing::Test {
  VirtualClock clock{local_days{year{2026} / 3 / 2}};
  HeadlessSystem system{clock};

  SettingsFaults() { system.directories.insert(kUserFolder); }

  void Plant(const std::string& path, std::string bytes, std::int64_t time) {
    system.files[path] = std::move(bytes);
    system.fileTimes[path] = time;
  }
  SettingsValues Load() {
    SettingsValues values;
    LoadSettingsFile(system, values);
    return values;
  }
};

// A file that is there but cannot be read is passed over as a missing one would be. Of two
// readable files the newer wins, and on a tie the Windows directory's.
TEST_F(SettingsFaults, AnUnreadableFileFallsBackToTheOtherOne) {
  enum class State { Absent, Readable, Unreadable };
  enum class Newer { Windows, User, Neither };
  const struct {
    State windows, user;
    Newer newer;
    std::string hour;  // what the at mode's hour field holds afterwards
  } rows[] = {
      {State::Readable, State::Readable, Newer::Windows, "11"},
      {State::Readable, State::Readable, Newer::User, "22"},
      {State::Readable, State::Readable, Newer::Neither, "11"},
      {State::Unreadable, State::Readable, Newer::Windows, "22"},
      {State::Readable, State::Unreadable, Newer::User, "11"},
      {State::Unreadable, State::Unreadable, Newer::Windows, "21"},
      {State::Unreadable, State::Absent, Newer::Windows, "21"},
      {State::Absent, State::Unreadable, Newer::User, "21"},
  };
  for (const auto& r : rows) {
    system.files.clear();
    system.unreadableFiles.clear();
    auto plant = [&](State state, const std::string& path, const std::string& hour, std::int64_t time) {
      if (state == State::Absent) return;
      Plant(path, Schedule(hour), time);
      if (state == State::Unreadable) system.unreadableFiles.insert(path);
    };
    plant(r.windows, kWindowsFile, "11", r.newer == Newer::Windows ? 2 : 1);
    plant(r.user, kUserFile, "22", r.newer == Newer::User ? 2 : 1);
    SettingsValues v = Load();
    EXPECT_EQ(v.atHour, r.hour) << static_cast<int>(r.windows) << " " << static_cast<int>(r.user) << " "
                               << static_cast<int>(r.newer);
    // Whatever was or was not read, the colours select one mode.
    EXPECT_EQ(v.afterWordColor == 0, v.atWordColor != 0);
  }
}

// Lines 5 and 6 as an editor may leave them. The "after" word's colour (line 5) is what
// the bar lays its fields out by; the "at" word's (line 6) is made to agree with it.
TEST_F(SettingsFaults, AColourPairSelectsExactlyTheModeTheBarShows) {
  const struct {
    std::string lines;  // lines 5 and 6 of the file, or what there is of them
    std::int32_t after, at;
  } rows[] = {
      {" 0 \r\n 8421504 \r\n", 0, 8421504},        // after mode, as saved
      {" 8421504 \r\n 0 \r\n", 8421504, 0},        // at mode, as saved
      {" 0 \r\n 0 \r\n", 0, 8421504},              // both black: after mode shown
      {" 8421504 \r\n 8421504 \r\n", 8421504, 0},  // both grey: at mode shown
      {" 255 \r\n 65280 \r\n", 255, 0},            // neither black: at mode shown
      {" 0 \r\n 255 \r\n", 0, 255},                // one mode, odd colour: left alone
      {" 255 \r\n 0 \r\n", 255, 0},
      {" 8421504 \r\n", 8421504, 0},               // no line 6: the initial grey meets grey
      {" 0 \r\n black \r\n", 0, 8421504},          // line 6 no number: the initial grey stays
      {" grey \r\n 0 \r\n", 0, 8421504},           // line 5 no number: the initial black stays
  };
  for (const auto& r : rows) {
    system.files[kWindowsFile] = "21\r\n0\r\n1\r\n0\r\n" + r.lines;
    SettingsValues v = Load();
    EXPECT_EQ(v.afterWordColor, r.after) << r.lines;
    EXPECT_EQ(v.atWordColor, r.at) << r.lines;
    // Exactly one word is black: the pair selects one mode.
    EXPECT_NE(v.afterWordColor == 0, v.atWordColor == 0) << r.lines;
  }
  // The pair is written back in the file's usual form.
  system.files[kWindowsFile] = "21\r\n0\r\n1\r\n0\r\n 0 \r\n 0 \r\n";
  ASSERT_TRUE(SaveSettingsFile(system, Load()));
  EXPECT_EQ(system.files.at(kWindowsFile), "21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
}

// A save killed between writing its temporary file and renaming it leaves the old file whole
// and a temporary file named for its process, which a later start removes once that process
// has ended.
TEST_F(SettingsFaults, ASaveCutShortLeavesTheOldFileAndALeftoverTheNextStartRemoves) {
  Plant(kWindowsFile, Schedule("11"), 1);
  system.processId_ = 4242;
  system.dieBeforeRename = true;
  SettingsValues values;
  values.atHour = "22";
  SaveSettingsFile(system, values);
  EXPECT_EQ(system.files.at(kWindowsFile), Schedule("11"));
  const std::string leftover = kWindowsFile + ".4242.new";
  ASSERT_TRUE(system.files.count(leftover)) << "the temporary file is named for its process";

  // Another process starts while the first still runs: the file may be in use.
  system.processId_ = 77;
  system.runningInstances = {4242};
  RemoveStaleSettingsFiles(system);
  EXPECT_TRUE(system.files.count(leftover));

  system.runningInstances.clear();
  RemoveStaleSettingsFiles(system);
  EXPECT_FALSE(system.files.count(leftover));
  EXPECT_EQ(Load().atHour, "11");
}

TEST_F(SettingsFaults, StartUpRemovesOnlyTemporaryFilesNoSaveCanBeUsing) {
  system.processId_ = 300;
  system.runningInstances = {100, 200};
  const struct {
    std::string name;
    bool removed;
  } rows[] = {
      {"morvane.dll.100.new", false},  // a running process's save
      {"morvane.dll.200.new", false},
      {"morvane.dll.150.new", true},   // its process has ended
      {"morvane.dll.300.new", true},   // this process's own name: it has not saved yet
      {"MORVANE.DLL.151.NEW", true},   // names compare without case, as the file system does
      {"morvane.dll.new", true},       // the one shared name of older builds
      {"morvane.dll", false},          // the settings themselves
      {"morvane.dll.bak", false},
      {"morvane.dll.15x.new", false},
      {"morvane.dll..new", false},
      {"morvane.dll.150.new.txt", false},
      {"morvane.dll.99999999999.new", false},  // no process id
      {"other.dll.150.new", false},
  };
  std::set<std::string> expected;
  for (const std::string& folder : {kWindowsFolder, kUserFolder}) {
    for (const auto& r : rows) {
      const std::string path = folder + "\\" + r.name;
      system.files[path] = "x";
      if (!r.removed) expected.insert(path);
    }
  }
  system.files["C:\\elsewhere\\morvane.dll.150.new"] = "x";
  expected.insert("C:\\elsewhere\\morvane.dll.150.new");

  RemoveStaleSettingsFiles(system);
  std::set<std::string> left;
  for (const auto& [path, bytes] : system.files) left.insert(path);
  EXPECT_EQ(left, expected);
}

// The file keeps the field lines in the ANSI code page; the fields hold UTF-8.
TEST_F(SettingsFaults, FieldLinesAreConvertedBetweenTheAnsiCodePageAndTheFields) {
  system.latin1CodePage = true;
  system.files[kWindowsFile] = "\xe9t\xe9\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n";
  SettingsValues v = Load();
  EXPECT_EQ(v.atHour, "\xc3\xa9t\xc3\xa9");
  ASSERT_TRUE(SaveSettingsFile(system, v));
  EXPECT_EQ(system.files.at(kWindowsFile), "\xe9t\xe9\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
}

}  // namespace
}  // namespace morvane
