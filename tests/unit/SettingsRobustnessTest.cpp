// Settings files that no program wrote, a Windows directory that refuses writes, and saving again and again.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/VirtualClock.h"
#include "settings/SettingsFile.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"

namespace morvane {
namespace {

using namespace std::chrono;

const std::string kWindowsFile = "C:\\windows\\morvane.dll";
const std::string kUserFolder = "C:\\users\\user\\AppData\\Local\\Morvane";
const std::string kUserFile = kUserFolder + "\\morvane.dll";

std::string Garbage(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    // Mostly the bytes that trouble readers: NUL, 0xFF, lone CRs, LFs, digits and signs.
    switch (byte(random) % 8) {
      case 0: c = '\0'; break;
      case 1: c = '\xff'; break;
      case 2: c = '\r'; break;
      case 3: c = '\n'; break;
      case 4: c = static_cast<char>('0' + byte(random) % 10); break;
      case 5: c = "+- \t"[byte(random) % 4]; break;
      default: c = static_cast<char>(byte(random)); break;
    }
  }
  return bytes;
}

// Exactly the file the program writes: six lines, each ended by CR LF, no other line break.
void ExpectSixCrLfLines(const std::string& file) {
  int crlf = 0;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r') {
      ASSERT_TRUE(i + 1 < file.size() && file[i + 1] == '\n') << "lone CR at " << i;
      ++crlf;
      ++i;
    } else {
      ASSERT_NE(file[i], '\n') << "lone LF at " << i;
    }
  }
  EXPECT_EQ(crlf, 6);
  EXPECT_TRUE(file.size() >= 2 && file.substr(file.size() - 2) == "\r\n");
}

struct SettingsReading : ::testing::Test {
  VirtualClock clock{local_days{year{2026} / 12 / 7}};
  HeadlessSystem system{clock};

  SettingsValues Load(std::string bytes) {
    system.files[kWindowsFile] = std::move(bytes);
    SettingsValues values;
    system.lastReadLimit = 0;
    LoadSettingsFile(system, values);
    return values;
  }
};

TEST_F(SettingsReading, MegabytesAreReadOnlyUpToTheLimit) {
  const std::string good = "22\r\n15\r\n3\r\n45\r\n 8421504 \r\n 0 \r\n";
  SettingsValues v = Load(good + Garbage(8u << 20, 1));
  EXPECT_EQ(system.lastReadLimit, kSettingsReadLimit);
  EXPECT_LE(kSettingsReadLimit, 1u << 20);
  EXPECT_EQ(v.atHour, "22");
  EXPECT_EQ(v.afterMinutes, "45");
  EXPECT_EQ(v.afterWordColor, 8421504);
  EXPECT_EQ(v.atWordColor, 0);
}

TEST_F(SettingsReading, OneEndlessLineFillsOnlyTheFirstFieldAndOnlyUpToTheLimit) {
  for (char c : {'7', '\0', '\xff', ' '}) {
    SettingsValues v = Load(std::string(5u << 20, c));
    EXPECT_EQ(system.lastReadLimit, kSettingsReadLimit);
    // Compared by size and content so that a failure does not print megabytes.
    EXPECT_EQ(v.atHour.size(), kSettingsReadLimit);
    EXPECT_EQ(v.atHour.find_first_not_of(c), std::string::npos);
    SettingsValues initial;
    EXPECT_EQ(v.atMinute, initial.atMinute);
    EXPECT_EQ(v.afterHours, initial.afterHours);
    EXPECT_EQ(v.afterMinutes, initial.afterMinutes);
    EXPECT_EQ(v.afterWordColor, initial.afterWordColor);
    EXPECT_EQ(v.atWordColor, initial.atWordColor);
  }
  // The colour line that never ends is no colour at all.
  SettingsValues v = Load("1\r\n2\r\n3\r\n4\r\n" + std::string(3u << 20, '9'));
  EXPECT_EQ(v.afterWordColor, 0);
  EXPECT_EQ(v.afterMinutes, "4");
}

TEST_F(SettingsReading, BinaryGarbageGivesFieldsWithoutLineBreaksAndColoursOnlyFromNumbers) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const std::string bytes = Garbage(seed % 4 == 0 ? 2u << 20 : seed * 7, seed);
    SettingsValues v = Load(bytes);
    for (const std::string* t : {&v.atHour, &v.atMinute, &v.afterHours, &v.afterMinutes}) {
      EXPECT_EQ(t->find_first_of("\r\n"), std::string::npos) << "seed " << seed;
      EXPECT_LE(t->size(), kSettingsReadLimit);
    }
    // What was read is written back as six proper lines and reads back the same.
    const std::string written = FormatSettings(v);
    ExpectSixCrLfLines(written);
    SettingsValues back{"x", "x", "x", "x", 1, 1};
    ApplySettingsText(written, back);
    EXPECT_TRUE(FormatSettings(back) == written) << "seed " << seed;
  }
  // Read without the loader, which would make the "at" word the selected one next to a red
  // "after" word and hide whether the NUL line was taken for a colour.
  SettingsValues v;
  ApplySettingsText(std::string("\r\r\r\r 255 \r") + '\0' + "\r", v);
  EXPECT_EQ(v.atHour + v.atMinute + v.afterHours + v.afterMinutes, "");
  EXPECT_EQ(v.afterWordColor, 255);
  EXPECT_EQ(v.atWordColor, 8421504) << "a NUL is no colour";
}

// Whole runs of the program on one machine: what one run saves, the next one loads.
class SettingsAcrossRuns : public testing::ProgramTest {
 protected:
  MainBar& bar() { return program->mainBar(); }

  void NextRun() {
    HeadlessSystem& old = sys();
    auto files = old.files;
    auto times = old.fileTimes;
    auto directories = old.directories;
    auto readOnly = old.readOnlyDirectories;
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(testing::At(2026, 12, 8, 9, 0, 0));
    sys().files = std::move(files);
    sys().fileTimes = std::move(times);
    sys().directories = std::move(directories);
    sys().readOnlyDirectories = std::move(readOnly);
    program = std::make_unique<Program>(*platform);
  }
  void Quit() { tk().click(bar().quitButton); }
};

TEST_F(SettingsAcrossRuns, AnEndlessFileLoadsIntoTheFieldsCutToTheirLengthAndIsRewrittenAsSixLines) {
  sys().files[kWindowsFile] = std::string(6u << 20, '8');
  MainBar& f = bar();
  EXPECT_EQ(sys().lastReadLimit, kSettingsReadLimit);
  EXPECT_EQ(f.atHour.text(), "88");
  EXPECT_EQ(f.atMinute.text(), "0");
  EXPECT_EQ(f.afterWord.foreColor(), Rgb(0, 0, 0));
  f.show();
  Quit();
  EXPECT_EQ(settingsFile(), "88\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
}

TEST_F(SettingsAcrossRuns, GarbageLoadsSafelyAndTheBarStillStarts) {
  sys().files[kWindowsFile] = Garbage(3u << 20, 7);
  MainBar& f = bar();
  for (Control* t : {&f.atHour, &f.atMinute, &f.afterHours, &f.afterMinutes}) {
    EXPECT_LE(t->text().size(), 2u) << t->name();
    EXPECT_EQ(t->text().find_first_of("\r\n"), std::string::npos) << t->name();
  }
  f.show();
  tk().click(f.afterWord);
  f.afterHours.setText("0");
  f.afterMinutes.setText("5");
  tk().click(f.startButton);
  EXPECT_TRUE(f.countdownRunning());
  EXPECT_EQ(localOf(f.moment()), testing::At(2026, 12, 7, 10, 5, 0));
  ExpectSixCrLfLines(settingsFile());
}

TEST_F(SettingsAcrossRuns, AReadOnlyWindowsDirectoryFallsBackToTheUserFileWhichTheNextRunLoads) {
  sys().readOnlyDirectories.insert("C:\\windows");
  MainBar& f = bar();
  f.show();
  tk().click(f.atWord);
  f.atHour.setText("23");
  f.atMinute.setText("45");
  tk().click(f.startButton);
  ASSERT_TRUE(f.countdownRunning());
  EXPECT_FALSE(sys().files.count(kWindowsFile));
  ASSERT_TRUE(sys().files.count(kUserFile));
  EXPECT_EQ(sys().files.at(kUserFile), "23\r\n45\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n");

  NextRun();
  MainBar& again = bar();
  EXPECT_EQ(again.atHour.text(), "23");
  EXPECT_EQ(again.atMinute.text(), "45");
  EXPECT_EQ(again.afterWord.foreColor(), Rgb(128, 128, 128));
  EXPECT_EQ(again.atWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_TRUE(again.atHour.visible()) << "laid out for the at mode";
  EXPECT_FALSE(again.afterHours.visible());
  EXPECT_EQ(again.atDay.text(), "8") << "the date fields hold the new day, never a saved one";
}

TEST_F(SettingsAcrossRuns, SavingTwiceKeepsExactlySixCrLfLines) {
  MainBar& f = bar();
  f.show();
  f.afterHours.setText("2");
  f.afterMinutes.setText("30");
  tk().click(f.startButton);  // Start saves
  ASSERT_TRUE(f.countdownRunning());
  const std::string first = settingsFile();
  ExpectSixCrLfLines(first);
  advance(1000);              // a second click, not a double-click
  tk().click(f.startButton);  // Stop
  // A line break pasted into a field must not become a seventh line.
  f.afterMinutes.setText("3\r");
  Quit();  // saves again
  ExpectSixCrLfLines(settingsFile());
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n2\r\n3\r\n 0 \r\n 8421504 \r\n");

  NextRun();
  MainBar& again = bar();
  EXPECT_EQ(again.afterHours.text(), "2");
  EXPECT_EQ(again.afterMinutes.text(), "3");
  again.show();
  Quit();
  ExpectSixCrLfLines(settingsFile());
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n2\r\n3\r\n 0 \r\n 8421504 \r\n");
}

}  // namespace
}  // namespace morvane
