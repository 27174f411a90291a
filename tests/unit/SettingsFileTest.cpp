// The settings file: its six lines, reading odd files, and saving and loading through the system.
#include <gtest/gtest.h>

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/VirtualClock.h"
#include "settings/SettingsFile.h"

namespace morvane {
namespace {

using namespace std::chrono;

SettingsValues V(std::string t6, std::string t7, std::string t8, std::string t9, std::int32_t c3 = 0,
                 std::int32_t c4 = 8421504) {
  return {t6, t7, t8, t9, c3, c4};
}
std::string Show(const SettingsValues& v) {
  return v.atHour + "|" + v.atMinute + "|" + v.afterHours + "|" + v.afterMinutes + "|" + std::to_string(v.afterWordColor) + "|" +
         std::to_string(v.atWordColor);
}

TEST(SettingsText, WrittenBytes) {
  EXPECT_EQ(FormatSettings({}), "21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
  EXPECT_EQ(FormatSettings(V("07", "", "99", "59", 8421504, 0)), "07\r\n\r\n99\r\n59\r\n 8421504 \r\n 0 \r\n");
  EXPECT_EQ(FormatSettings(V("1", "2", "3", "4", -5, INT32_MIN)), "1\r\n2\r\n3\r\n4\r\n-5 \r\n-2147483648 \r\n");
  // A pasted line break must not push the later values onto the wrong lines.
  EXPECT_EQ(FormatSettings(V("2\r\n1", "0", "1", "0")), FormatSettings({}));
}

TEST(SettingsText, ReadingLineByLine) {
  const struct { std::string bytes; SettingsValues expected; } rows[] = {
      {"", {}},
      {"22\r\n15\r\n3\r\n45\r\n 8421504 \r\n 0 \r\n", V("22", "15", "3", "45", 8421504, 0)},
      {"21\r\n0\r\n1\r\n0\r\n 0 \r\n 0 \r\n", V("21", "0", "1", "0", 0, 0)},  // both black
      {"5\r\n6\r\n7\r\n8\r\n", V("5", "6", "7", "8")},                        // four lines
      {"5\r\n6\r\n7\r\n8\r\n 255 \r\n 9", V("5", "6", "7", "8", 255, 9)},     // no last line ending
      {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", V("1", "2", "3", "4", 5, 6)},   // more than six lines
      {"1\n2\n3\n4\n 5 \n 6 \n", V("1", "2", "3", "4", 5, 6)},
      {"1\r2\r3\r4\r 5 \r 6 \r", V("1", "2", "3", "4", 5, 6)},
      {"\n\n9\n", V("", "", "9", "0")},
      {"1\r\n2\r\n3\r\n4\r\nblack\r\n&H80\r\n", V("1", "2", "3", "4")},
      {"1\r\n2\r\n3\r\n4\r\n1e3\r\n12 3\r\n", V("1", "2", "3", "4")},
      {"1\r\n2\r\n3\r\n4\r\n2147483648\r\n-2147483649\r\n", V("1", "2", "3", "4")},
      {"1\r\n2\r\n3\r\n4\r\n2147483647\r\n-2147483648\r\n", V("1", "2", "3", "4", INT32_MAX, INT32_MIN)},
      {"1\r\n2\r\n3\r\n4\r\n\t+7\t\r\n" + std::string(5000, '9') + "\r\n", V("1", "2", "3", "4", 7)},
  };
  for (const auto& r : rows) {
    SettingsValues got;
    ApplySettingsText(r.bytes, got);
    EXPECT_EQ(Show(got), Show(r.expected)) << r.bytes.substr(0, 40);
  }
  for (const SettingsValues& v : {SettingsValues{}, V("23", "59", "99", "59", 8421504, 0), V("", "7", "", "07", -1)}) {
    SettingsValues back = V("x", "x", "x", "x", 1, 1);
    ApplySettingsText(FormatSettings(v), back);
    EXPECT_EQ(FormatSettings(back), FormatSettings(v));
  }
}

// An action other than shut down is a seventh line with its word; six lines, or a seventh that
// is no action's word, read as shut down and write six lines again.
TEST(SettingsText, TheActionOnASeventhLine) {
  const std::string six = "22\r\n15\r\n3\r\n45\r\n 0 \r\n 8421504 \r\n";
  const struct { std::string bytes; Action action; std::string written; } rows[] = {
      {six, Action::ShutDown, six},
      {six + "restart\r\n", Action::Restart, six + "restart\r\n"},
      {six + "logoff", Action::LogOff, six + "logoff\r\n"},
      {six + "hibernate\r\n", Action::Hibernate, six + "hibernate\r\n"},
      {six + "shutdown\r\n", Action::ShutDown, six},
      {six + "reboot\r\n", Action::ShutDown, six},
      {six + "Sleep\r\n", Action::ShutDown, six},
      {six + "\r\nlock\r\n", Action::ShutDown, six},
  };
  for (const auto& r : rows) {
    SettingsValues got;
    got.action = Action::Lock;  // what the file does not say is shut down, not what was there
    ApplySettingsText(r.bytes, got);
    EXPECT_EQ(got.action, r.action) << r.bytes;
    EXPECT_EQ(FormatSettings(got), r.written) << r.bytes;
  }
}

struct SettingsFile : testing::Test {
  VirtualClock clock{local_days{year{2026} / 5 / 14}};
  HeadlessSystem system{clock};
  const std::string windowsFile = "C:\\windows\\morvane.dll";
  const std::string userFolder = "C:\\users\\user\\AppData\\Local\\Morvane";
  const std::string userFile = userFolder + "\\morvane.dll";
};

TEST_F(SettingsFile, SavesInTheWindowsDirectoryOrElseInTheUserFolder) {
  EXPECT_EQ(SettingsPaths(system), (std::vector<std::string>{windowsFile, userFile}));
  EXPECT_TRUE(SaveSettingsFile(system, V("22", "30", "1", "0", 8421504, 0)));
  EXPECT_EQ(system.files.at(windowsFile), "22\r\n30\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n");
  EXPECT_FALSE(system.files.count(userFile));

  system.files.clear();
  system.readOnlyDirectories.insert("C:\\windows");
  EXPECT_TRUE(SaveSettingsFile(system, V("23", "30", "1", "0", 8421504, 0)));
  EXPECT_FALSE(system.files.count(windowsFile));
  EXPECT_EQ(system.files.at(userFile), "23\r\n30\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n");
  SettingsValues loaded;
  LoadSettingsFile(system, loaded);
  EXPECT_EQ(Show(loaded), Show(V("23", "30", "1", "0", 8421504, 0)));

  system.readOnlyDirectories.insert("C:\\users\\user\\AppData\\Local");
  EXPECT_FALSE(SaveSettingsFile(system, {}));
}

TEST_F(SettingsFile, LoadsTheNewerOfTwoFilesOrNothing) {
  SettingsValues values = V("1", "2", "3", "4", 5, 6);
  LoadSettingsFile(system, values);
  EXPECT_EQ(Show(values), Show(V("1", "2", "3", "4", 5, 6)));

  system.directories.insert(userFolder);
  system.replaceFile(userFile, userFile + ".1.new", FormatSettings(V("1", "1", "1", "1")));
  system.replaceFile(windowsFile, windowsFile + ".1.new", FormatSettings(V("2", "2", "2", "2")));
  LoadSettingsFile(system, values);
  EXPECT_EQ(values.atHour, "2");
  system.replaceFile(userFile, userFile + ".1.new", FormatSettings(V("3", "3", "3", "3")));
  LoadSettingsFile(system, values);
  EXPECT_EQ(values.atHour, "3");
}

TEST_F(SettingsFile, ReadsAHugeFileOnlyUpToTheLimit) {
  system.files[windowsFile] = "5\r\n6\r\n7\r\n8\r\n 255 \r\n 0 \r\n" + std::string(2 << 20, 'x');
  SettingsValues values;
  LoadSettingsFile(system, values);
  EXPECT_EQ(system.lastReadLimit, kSettingsReadLimit);
  EXPECT_LE(kSettingsReadLimit, 1u << 20);
  EXPECT_EQ(Show(values), Show(V("5", "6", "7", "8", 255, 0)));
}

}  // namespace
}  // namespace morvane
