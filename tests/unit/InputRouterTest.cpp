// The toolkit's pointer decisions on a bare window: what counts as a click and what as a
// double-click, by the system's double-click time and distance.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "backends/headless/HeadlessPlatform.h"
#include "toolkit/Label.h"

namespace morvane {
namespace {

struct PressCase {
  const char* name;
  std::int64_t pauseMs;  // between the first click and the second press
  Point moved;           // the second press's distance from the first
  bool otherLabel;       // the second click lands on the neighbouring label
  std::string events;
};
void PrintTo(const PressCase& c, std::ostream* out) { *out << c.name; }

class SecondPress : public ::testing::TestWithParam<PressCase> {
 protected:
  SecondPress() {
    window.setBounds({100, 100, 200, 100});
    for (Control* label : {&left, &right}) {
      label->onPointerPressed([this, label](const PointerEvent&) { log += label->name() + ":down "; });
      label->onPointerReleased([this, label](const PointerEvent&) { log += label->name() + ":up "; });
      label->onClick([this, label] { log += label->name() + ":click "; });
      label->onDoubleClick([this, label] { log += label->name() + ":dblclick "; });
    }
    window.load({1024, 768});
    window.show();
  }
  void clickAt(Point client) {
    p.tk().moveTo({100 + client.x, 100 + client.y});
    p.tk().press();
    p.tk().release();
  }

  HeadlessPlatform p{std::chrono::local_days{std::chrono::year{2026} / 1 / 1}};
  Window window{p.toolkit(), "host", {200, 100}};
  Label left{window, "left", {10, 10, 40, 20}};
  Label right{window, "right", {50, 10, 40, 20}};
  std::string log;
};

// A double-click reads as a press, a release, a click, a double-click and a release.
TEST_P(SecondPress, IsADoubleClickOnlySoonAndNearOnTheSameControl) {
  const PressCase& c = GetParam();
  clickAt({40, 20});
  p.tk().advance(c.pauseMs);
  clickAt(c.otherLabel ? Point{60, 20} : Point{40 + c.moved.x, 20 + c.moved.y});
  EXPECT_EQ(log, c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SecondPress,
    ::testing::Values(
        PressCase{"AtOnce", 0, {0, 0}, false, "left:down left:up left:click left:dblclick left:up "},
        PressCase{"AtTheTimeLimit", HeadlessToolkit::kDoubleClickMs, {0, 0}, false,
                  "left:down left:up left:click left:dblclick left:up "},
        PressCase{"PastTheTimeLimit", HeadlessToolkit::kDoubleClickMs + 1, {0, 0}, false,
                  "left:down left:up left:click left:down left:up left:click "},
        PressCase{"AtTheDistanceLimit", 0, {2, -2}, false, "left:down left:up left:click left:dblclick left:up "},
        PressCase{"PastTheDistanceLimit", 0, {3, 0}, false,
                  "left:down left:up left:click left:down left:up left:click "},
        PressCase{"OnAnotherControl", 0, {0, 0}, true,
                  "left:down left:up left:click right:down right:up right:click "}),
    [](const auto& info) { return std::string(info.param.name); });

// After a double-click the next press starts afresh; a release away from what was pressed
// is no click.
TEST_F(SecondPress, AThirdPressIsAFreshOneAndAReleaseElsewhereNoClick) {
  for (int i = 0; i < 3; ++i) clickAt({40, 20});
  EXPECT_EQ(log, "left:down left:up left:click left:dblclick left:up left:down left:up left:click ");
  log.clear();
  p.tk().advance(HeadlessToolkit::kDoubleClickMs + 1);
  p.tk().moveTo({140, 120});
  p.tk().press();
  p.tk().moveTo({170, 120});
  p.tk().release();
  EXPECT_EQ(log, "left:down left:up ");
}

}  // namespace
}  // namespace morvane
