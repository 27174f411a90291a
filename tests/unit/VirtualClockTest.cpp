// The headless clock: timers fire the right number of times, in due order, over virtual hours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "backends/headless/HeadlessPlatform.h"

namespace morvane {
namespace {

using namespace std::chrono;

LocalTime At(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
  return local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}

class ClockWindow : public Window {
 public:
  explicit ClockWindow(Toolkit& tk) : Window(tk, "clock", {10, 10}) {}
  Timer fast{*this, 15, true};
  Timer poll{*this, 180, true};
  Timer second{*this, 1000, true};
};

TEST(VirtualClock, TimersFireInDueOrderOverVirtualHours) {
  HeadlessPlatform p(At(2026, 12, 7, 10, 0, 0));
  ClockWindow w(p.toolkit());
  std::vector<char> order;
  long fast = 0, poll = 0, second = 0;
  w.fast.onTick([&] { ++fast; if (order.size() < 200) order.push_back('f'); });
  w.poll.onTick([&] { ++poll; if (order.size() < 200) order.push_back('p'); });
  w.second.onTick([&] { ++second; if (order.size() < 200) order.push_back('s'); });
  w.load({1024, 768});

  p.tk().advance(3 * 3600 * 1000);

  EXPECT_EQ(fast, 3 * 3600 * 1000 / 15);
  EXPECT_EQ(poll, 3 * 3600 * 1000 / 180);
  EXPECT_EQ(second, 3 * 3600);
  EXPECT_EQ(p.system().now(), At(2026, 12, 7, 13, 0, 0));
  // Up to 179 ms only the 15 ms timer has fired; at 180 ms both are due.
  std::string head(order.begin(), order.begin() + 11);
  EXPECT_EQ(head, "fffffffffff");
  std::string at180(order.begin() + 11, order.begin() + 13);
  std::sort(at180.begin(), at180.end());
  EXPECT_EQ(at180, "fp");
  EXPECT_EQ(order[13], 'f');
}

TEST(VirtualClock, DisabledTimerStopsAndReEnablingStartsAFreshInterval) {
  HeadlessPlatform p(At(2026, 1, 1, 0, 0, 0));
  ClockWindow w(p.toolkit());
  int second = 0;
  w.second.onTick([&] { ++second; });
  w.fast.setEnabled(false);
  w.poll.setEnabled(false);
  w.load({1024, 768});
  p.tk().advance(2500);
  EXPECT_EQ(second, 2);
  w.second.setEnabled(false);
  p.tk().advance(10000);
  EXPECT_EQ(second, 2);
  w.second.setEnabled(true);  // at 12 500 ms: next tick at 13 500
  p.tk().advance(999);
  EXPECT_EQ(second, 2);
  p.tk().advance(1);
  EXPECT_EQ(second, 3);
}

TEST(VirtualClock, WallClockCanBeMovedWithoutDisturbingTimers) {
  HeadlessPlatform p(At(2026, 1, 1, 0, 0, 0));
  ClockWindow w(p.toolkit());
  int second = 0;
  w.second.onTick([&] { ++second; });
  w.load({1024, 768});
  p.tk().advance(1500);
  p.clock.setWallClock(At(2025, 6, 1, 12, 0, 0));
  EXPECT_EQ(p.system().now(), At(2025, 6, 1, 12, 0, 0));
  p.tk().advance(500);
  EXPECT_EQ(second, 2);
  EXPECT_EQ(p.system().now(), At(2025, 6, 1, 12, 0, 1));
}

TEST(VirtualClock, UnloadedWindowsTimersNeverFire) {
  HeadlessPlatform p(At(2026, 1, 1, 0, 0, 0));
  ClockWindow w(p.toolkit());
  int ticks = 0;
  w.second.onTick([&] { ++ticks; w.unload(); });
  w.load({1024, 768});
  p.tk().advance(5000);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace morvane

namespace morvane {
namespace {

TEST(VirtualClockBefore1970, SettingTheClockLandsOnTheSecondAsked) {
  using namespace std::chrono;
  auto at = [](int y, unsigned m, unsigned d, int hh, int mm, int ss) {
    return LocalTime(local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss});
  };
  HeadlessPlatform p(at(1969, 12, 31, 23, 59, 58));
  p.tk().advance(500);
  p.clock.setWallClock(at(1960, 1, 1, 0, 0, 0));
  EXPECT_EQ(p.system().now(), at(1960, 1, 1, 0, 0, 0));
}

}  // namespace
}  // namespace morvane
