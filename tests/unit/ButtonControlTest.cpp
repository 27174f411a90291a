// The skinned button on the headless backend: properties, looks, pointer, poll, caption
// placement and persistence.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"
#include "ui/button/SkinButton.h"

namespace morvane {
namespace {

constexpr Point kOrigin{100, 100};  // the window's client origin on the screen

class ButtonTest : public testing::Test {
 protected:
  ButtonTest() { window.setBounds({kOrigin.x, kOrigin.y, 300, 100}); }

  SkinButton& Place(Rect bounds, const PropertyBag* stored = nullptr) {
    button = std::make_unique<SkinButton>(window, p.system(), "button", bounds, stored);
    button->MouseMove = [this](int& b, int&, float& x, float& y) { moves.push_back({b, x, y}); };
    button->MouseOut = [this] { ++outs; };
    button->PropertyChanged = [this](std::string_view name) { changes.emplace_back(name); };
    if (!window.loaded()) {
      window.load({1024, 768});
      window.show();
    }
    return *button;
  }
  // The look on screen, found by matching the surface against each look painted afresh.
  std::optional<ButtonLook> Shown() const {
    Raster* surface = p.tk().surfaceOf(*button);
    for (int look = 0; look < kButtonLookCount; ++look) {
      Raster expected(surface->width(), surface->height());
      PaintNineSlice(expected, ButtonSkin(static_cast<ButtonLook>(look)));
      bool same = true;
      for (int y = 0; y < surface->height() && same; ++y)
        for (int x = 0; x < surface->width() && same; ++x) same = surface->at(x, y) == expected.at(x, y);
      if (same) return static_cast<ButtonLook>(look);
    }
    return std::nullopt;
  }
  void MoveOnButton(float x, float y) {
    Rect b = button->bounds();
    p.tk().moveTo({kOrigin.x + b.x + static_cast<int>(x), kOrigin.y + b.y + static_cast<int>(y)});
  }

  struct Move {
    int button;
    float x, y;
  };
  mutable HeadlessPlatform p{std::chrono::local_days{std::chrono::year{2026} / 1 / 1}};
  Window window{p.toolkit(), "host", {300, 100}};
  std::unique_ptr<SkinButton> button;
  std::vector<Move> moves;
  std::vector<std::string> changes;
  int outs = 0;
};

TEST_F(ButtonTest, NewButtonIsCaptionedWithItsNameInTheWindowsFont) {
  SkinButton& b = Place({10, 10, 80, 24});
  EXPECT_EQ(b.Caption(), "button");
  EXPECT_EQ(b.Font(), window.font());
  EXPECT_EQ(b.foreColor(), SkinButton::kEnabledCaption);
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, StateWritesPickTheRestingLook) {
  struct Row {
    std::vector<std::int32_t> writes;
    ButtonLook rest;
  };
  for (const Row& row : {Row{{1}, ButtonLook::Emphasised}, Row{{1, 7}, ButtonLook::Emphasised},
                         Row{{1, 7, 0}, ButtonLook::Normal}, Row{{7}, ButtonLook::Normal},
                         Row{{1, -1}, ButtonLook::Emphasised}}) {
    SkinButton& b = Place({10, 10, 80, 24});
    for (std::int32_t state : row.writes) b.SetState(state);
    EXPECT_EQ(b.RestLook(), row.rest);
    EXPECT_EQ(Shown(), row.rest);
  }
}

TEST_F(ButtonTest, DisablingGreysFaceAndCaptionAndEnablingRestores) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.SetState(1);
  b.SetEnabled(false);
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
  EXPECT_EQ(b.foreColor(), Rgb(161, 161, 146));
  b.SetEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Emphasised);
  EXPECT_EQ(b.foreColor(), 0u);
}

TEST_F(ButtonTest, RewritingAValueStillRefreshesAndNotifies) {
  SkinButton& b = Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  ASSERT_EQ(Shown(), ButtonLook::Hot);
  changes.clear();
  b.SetEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Normal);
  b.SetState(0);
  b.SetCaption(b.Caption());
  b.SetFont(b.Font());
  EXPECT_EQ(changes, (std::vector<std::string>{"Enabled", "State", "Caption", "Font"}));
}

TEST_F(ButtonTest, PointerLooksFollowTheButtonsHeld) {
  struct Row {
    int pressed;
    bool moveAfter;
    ButtonLook shown;
  };
  for (Row row : {Row{kRightButton, false, ButtonLook::Pressed}, Row{kRightButton, true, ButtonLook::Hot},
                  Row{kLeftButton | kRightButton, true, ButtonLook::Hot}, Row{kLeftButton, true, ButtonLook::Pressed},
                  Row{0, true, ButtonLook::Hot}}) {
    Place({10, 10, 80, 24});
    MoveOnButton(3, 3);
    if (row.pressed & kLeftButton) p.tk().press(kLeftButton);
    if (row.pressed & kRightButton) p.tk().press(kRightButton);
    if (row.moveAfter) MoveOnButton(4, 4);
    EXPECT_EQ(Shown(), row.shown) << row.pressed;
    if (row.pressed == 0) continue;
    p.tk().release(kLeftButton);
    p.tk().release(kRightButton);
    EXPECT_EQ(Shown(), ButtonLook::Normal);
  }
}

TEST_F(ButtonTest, ContainerHandlersRunBeforeTheLookFollows) {
  SkinButton& b = Place({10, 10, 80, 24});
  std::vector<std::optional<ButtonLook>> seen;
  b.MouseDown = [&](int&, int&, float&, float&) { seen.push_back(Shown()); };
  b.MouseMove = [&](int& button, int&, float&, float&) { button = kLeftButton; };
  MoveOnButton(3, 3);
  EXPECT_EQ(Shown(), ButtonLook::Pressed);  // the handler made the move a left-button move
  b.MouseMove = nullptr;
  MoveOnButton(4, 4);
  p.tk().press(kLeftButton);
  EXPECT_EQ(seen, (std::vector<std::optional<ButtonLook>>{ButtonLook::Hot}));
  EXPECT_EQ(Shown(), ButtonLook::Pressed);
}

TEST_F(ButtonTest, DraggingOutRaisesMouseOutAfterEveryMoveOutside) {
  SkinButton& b = Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  p.tk().press(kLeftButton);
  for (int i = 1; i <= 2; ++i) {
    MoveOnButton(120, 5 * i);
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_EQ(Shown(), i == 1 ? ButtonLook::Pressed : ButtonLook::Normal);
    p.tk().advance(SkinButton::kPollIntervalMs);
    EXPECT_EQ(outs, i);
    EXPECT_EQ(Shown(), ButtonLook::Normal);
    EXPECT_FALSE(b.PollArmed());
  }
  MoveOnButton(6, 6);
  EXPECT_EQ(Shown(), ButtonLook::Pressed);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1].button, kLeftButton);
}

TEST_F(ButtonTest, EveryMoveStartsThePollIntervalAfresh) {
  Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  p.tk().press(kLeftButton);
  p.tk().advance(10);
  MoveOnButton(120, 5);
  p.tk().advance(SkinButton::kPollIntervalMs - 1);
  EXPECT_EQ(outs, 0);
  p.tk().advance(1);
  EXPECT_EQ(outs, 1);
}

TEST_F(ButtonTest, PollCountsTheFarColumnAndRowAsInside) {
  struct Row {
    Point at;
    bool out;
  };
  for (Row row : {Row{{80, 0}, false}, Row{{81, 0}, true}, Row{{0, 24}, false}, Row{{0, 25}, true},
                  Row{{-1, 3}, true}, Row{{3, -1}, true}}) {
    Place({10, 10, 80, 24});
    outs = 0;
    MoveOnButton(3, 3);
    MoveOnButton(static_cast<float>(row.at.x), static_cast<float>(row.at.y));
    p.tk().advance(10 * SkinButton::kPollIntervalMs);
    EXPECT_EQ(outs, row.out ? 1 : 0) << row.at.x << "," << row.at.y;
  }
}

TEST_F(ButtonTest, DisabledButtonIgnoresInputButStillNoticesThePointerLeaving) {
  SkinButton& b = Place({10, 10, 80, 24});
  int clicks = 0, downs = 0;
  b.Click = [&] { ++clicks; };
  b.MouseDown = [&](int&, int&, float&, float&) { ++downs; };
  MoveOnButton(5, 5);
  b.SetEnabled(false);
  b.hostMouseDown(kLeftButton, 0, 5, 5);
  b.hostClick();
  b.hostAccessKey();
  EXPECT_EQ(clicks + downs, 0);
  MoveOnButton(200, 5);
  p.tk().advance(SkinButton::kPollIntervalMs);
  EXPECT_EQ(outs, 1);
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
}

// Enter, Space and the plain letter reach the button as keys only; Alt with the letter after
// "&" in the caption, in either case, is its access key and clicks it.
TEST_F(ButtonTest, OnlyPointerClicksAndAccessKeysClick) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.SetCaption("&Go");
  int clicks = 0, keys = 0;
  b.ButtonClick = [&] { ++clicks; };
  b.KeyDown = [&](int& code, int&) { keys += code; };
  p.tk().click(b);
  EXPECT_EQ(clicks, 1);
  p.tk().key(kKeyEnter, kKeyEnter);
  p.tk().key(' ', ' ');
  p.tk().type("g");
  EXPECT_EQ(keys, kKeyEnter + ' ' + 'G');
  EXPECT_EQ(clicks, 1);
  p.tk().altKey('g');
  p.tk().altKey('G');
  p.tk().altKey('o');
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, CaptionIsCentredAndStaysPutWhenPressed) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.SetCaption("OK");  // 12 x 13 on the headless backend
  EXPECT_EQ(b.CaptionLeft(), 34.0f);
  EXPECT_EQ(b.CaptionTop(), 5.5f);
  EXPECT_EQ(b.textOrigin(), (Point{34, 5}));
  MoveOnButton(3, 3);
  p.tk().press(kLeftButton);
  EXPECT_EQ(b.textOrigin(), (Point{34, 5}));
  EXPECT_EQ(b.foreColor(), 0u);
  b.SetFont(MakeFont("Arial", 16.5));  // twice the size
  EXPECT_EQ(b.textOrigin(), (Point{28, -1}));
  b.setBounds({10, 10, 100, 40});
  EXPECT_EQ(b.textOrigin(), (Point{38, 7}));
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, MovesOverTheCaptionReportTheCaptionsCorner) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.SetCaption("OK");
  MoveOnButton(40, 10);
  MoveOnButton(2, 2);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].x, 34.0f);
  EXPECT_EQ(moves[0].y, 5.5f);
  EXPECT_EQ(moves[1].x, 2.0f);
  // A caption wider than the button has a negative corner: no move and no hover over it.
  b.SetCaption("A caption far too long");
  moves.clear();
  MoveOnButton(40, 10);
  EXPECT_TRUE(moves.empty());
  EXPECT_EQ(Shown(), ButtonLook::Normal);
  EXPECT_TRUE(b.PollArmed());
}

TEST_F(ButtonTest, OnlyValuesOtherThanTheirDefaultsAreStored) {
  PropertyBag fresh;
  Place({10, 10, 80, 24}).WriteProperties(fresh);
  EXPECT_TRUE(fresh.Names().empty());

  FontRef arial = MakeFont("Arial", 9);
  PropertyBag design{{"CAPTION", "Stop"}, {"font", arial}, {"State", 1}, {"Enabled", false}};
  SkinButton& b = Place({10, 10, 80, 24}, &design);
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
  EXPECT_EQ(b.foreColor(), Rgb(161, 161, 146));
  b.SetEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Emphasised);
  PropertyBag stored;
  b.WriteProperties(stored);
  EXPECT_EQ(stored.Names(), (std::vector<std::string>{"state", "caption", "font"}));
  EXPECT_EQ(stored.ReadProperty<std::string>("Caption", ""), "Stop");
  EXPECT_EQ(stored.ReadProperty<FontRef>("FONT", nullptr), arial);
  EXPECT_EQ(stored.ReadProperty<std::int32_t>("caption", -1), -1);  // a string is no number
}

}  // namespace
}  // namespace morvane
