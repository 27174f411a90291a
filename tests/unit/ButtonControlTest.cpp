// The skinned button on the headless backend: caption, looks, pointer, poll and caption
// placement.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/headless/HeadlessPlatform.h"
#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"
#include "ui/button/SkinButton.h"

namespace morvane {
namespace {

constexpr Point kOrigin{100, 100};  // the window's client origin on the screen

class ButtonTest : public testing::Test {
 protected:
  ButtonTest() { window.setBounds({kOrigin.x, kOrigin.y, 300, 100}); }

  SkinButton& Place(Rect bounds) {
    button = std::make_unique<SkinButton>(window, p.system(), "button", bounds);
    button->onPointerMoved([this](const PointerEvent& e) { moves.push_back(e); });
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
  // The caption as the window draws it: where, and in which colour.
  Raster::TextRun Caption() const {
    Raster shown = p.tk().render(window);
    for (const Raster::TextRun& run : shown.texts())
      if (run.text == button->caption()) return run;
    ADD_FAILURE() << "no caption drawn";
    return {};
  }
  void MoveOnButton(int x, int y) {
    Rect b = button->bounds();
    p.tk().moveTo({kOrigin.x + b.x + x, kOrigin.y + b.y + y});
  }

  mutable HeadlessPlatform p{std::chrono::local_days{std::chrono::year{2026} / 1 / 1}};
  Window window{p.toolkit(), "host", {300, 100}};
  std::unique_ptr<SkinButton> button;
  std::vector<PointerEvent> moves;
};

TEST_F(ButtonTest, NewButtonIsCaptionedWithItsNameInTheWindowsFont) {
  SkinButton& b = Place({10, 10, 80, 24});
  EXPECT_EQ(b.caption(), "button");
  EXPECT_EQ(b.font(), window.font());
  EXPECT_EQ(Caption().colour, Rgb(0, 0, 0));
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, DisablingGreysFaceAndCaptionAndEnablingRestores) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.setEnabled(false);
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
  EXPECT_EQ(Caption().colour, Rgb(161, 161, 146));
  b.setEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Normal);
  EXPECT_EQ(Caption().colour, Rgb(0, 0, 0));
}

// The emphasised look rests in place of the normal one; disabled still wins over it.
TEST_F(ButtonTest, EmphasisedButtonRestsEmphasisedUnlessDisabled) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.setEmphasised(true);
  EXPECT_EQ(Shown(), ButtonLook::Emphasised);
  MoveOnButton(5, 5);
  ASSERT_EQ(Shown(), ButtonLook::Hot);
  MoveOnButton(200, 5);
  p.tk().advance(SkinButton::kPollIntervalMs);
  EXPECT_EQ(Shown(), ButtonLook::Emphasised);
  b.setEnabled(false);
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
  b.setEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Emphasised);
  b.setEmphasised(false);
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, RewritingEnabledStillRefreshesTheLook) {
  SkinButton& b = Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  ASSERT_EQ(Shown(), ButtonLook::Hot);
  b.setEnabled(true);
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, PointerLooksFollowTheButtonsHeld) {
  struct Row {
    MouseButtons pressed;
    bool moveAfter;
    ButtonLook shown;
  };
  for (Row row : {Row{MouseButton::Right, false, ButtonLook::Pressed}, Row{MouseButton::Right, true, ButtonLook::Hot},
                  Row{MouseButton::Left | MouseButton::Right, true, ButtonLook::Hot},
                  Row{MouseButton::Left, true, ButtonLook::Pressed}, Row{{}, true, ButtonLook::Hot}}) {
    Place({10, 10, 80, 24});
    MoveOnButton(3, 3);
    if (row.pressed.has(MouseButton::Left)) p.tk().press(MouseButton::Left);
    if (row.pressed.has(MouseButton::Right)) p.tk().press(MouseButton::Right);
    if (row.moveAfter) MoveOnButton(4, 4);
    EXPECT_EQ(Shown(), row.shown) << row.pressed.has(MouseButton::Left) << row.pressed.has(MouseButton::Right);
    if (row.pressed.none()) continue;
    p.tk().release(MouseButton::Left);
    p.tk().release(MouseButton::Right);
    EXPECT_EQ(Shown(), ButtonLook::Normal);
  }
}

TEST_F(ButtonTest, ContainerHandlersRunBeforeTheLookFollows) {
  SkinButton& b = Place({10, 10, 80, 24});
  std::vector<std::optional<ButtonLook>> seen;
  b.onPointerPressed([&](const PointerEvent&) { seen.push_back(Shown()); });
  b.onPointerMoved([&](const PointerEvent&) { seen.push_back(Shown()); });
  MoveOnButton(3, 3);
  MoveOnButton(4, 4);
  p.tk().press(MouseButton::Left);
  EXPECT_EQ(seen, (std::vector<std::optional<ButtonLook>>{ButtonLook::Normal, ButtonLook::Hot, ButtonLook::Hot}));
  EXPECT_EQ(Shown(), ButtonLook::Pressed);
}

TEST_F(ButtonTest, DraggingOutRestsTheLookAfterEveryMoveOutside) {
  SkinButton& b = Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  p.tk().press(MouseButton::Left);
  for (int i = 1; i <= 2; ++i) {
    MoveOnButton(120, 5 * i);
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_EQ(Shown(), i == 1 ? ButtonLook::Pressed : ButtonLook::Normal);
    EXPECT_TRUE(b.pollArmed());
    p.tk().advance(SkinButton::kPollIntervalMs);
    EXPECT_EQ(Shown(), ButtonLook::Normal);
    EXPECT_FALSE(b.pollArmed());
  }
  MoveOnButton(6, 6);
  EXPECT_EQ(Shown(), ButtonLook::Pressed);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1].held, MouseButton::Left);
}

TEST_F(ButtonTest, EveryMoveStartsThePollIntervalAfresh) {
  SkinButton& b = Place({10, 10, 80, 24});
  MoveOnButton(5, 5);
  p.tk().press(MouseButton::Left);
  p.tk().advance(10);
  MoveOnButton(120, 5);
  p.tk().advance(SkinButton::kPollIntervalMs - 1);
  EXPECT_TRUE(b.pollArmed());
  EXPECT_EQ(Shown(), ButtonLook::Pressed);
  p.tk().advance(1);
  EXPECT_FALSE(b.pollArmed());
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

TEST_F(ButtonTest, PollCountsTheFarColumnAndRowAsInside) {
  struct Row {
    Point at;
    bool out;
  };
  for (Row row : {Row{{80, 0}, false}, Row{{81, 0}, true}, Row{{0, 24}, false}, Row{{0, 25}, true},
                  Row{{-1, 3}, true}, Row{{3, -1}, true}}) {
    SkinButton& b = Place({10, 10, 80, 24});
    MoveOnButton(3, 3);
    MoveOnButton(row.at.x, row.at.y);
    p.tk().advance(10 * SkinButton::kPollIntervalMs);
    EXPECT_EQ(b.pollArmed(), !row.out) << row.at.x << "," << row.at.y;
  }
}

TEST_F(ButtonTest, DisabledButtonIgnoresInputButStillNoticesThePointerLeaving) {
  SkinButton& b = Place({10, 10, 80, 24});
  int clicks = 0, downs = 0;
  b.onClick([&] { ++clicks; });
  b.onPointerPressed([&](const PointerEvent&) { ++downs; });
  MoveOnButton(5, 5);
  b.setEnabled(false);
  b.pressed({{5, 5}, MouseButton::Left, MouseButton::Left, {}});
  b.clicked();
  b.accessKeyPressed();
  EXPECT_EQ(clicks + downs, 0);
  ASSERT_TRUE(b.pollArmed());
  MoveOnButton(200, 5);
  p.tk().advance(SkinButton::kPollIntervalMs);
  EXPECT_FALSE(b.pollArmed());
  EXPECT_EQ(Shown(), ButtonLook::Disabled);
}

// Enter, Space and the plain letter reach the button as keys only; Alt with the letter after
// "&" in the caption, in either case, is its access key and clicks it.
TEST_F(ButtonTest, OnlyPointerClicksAndAccessKeysClick) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.setCaption("&Go");
  int clicks = 0;
  std::vector<Key> keys;
  b.onClick([&] { ++clicks; });
  b.onKey([&](const KeyEvent& e) {
    keys.push_back(e.key);
    return KeyResult::Ignored;
  });
  p.tk().click(b);
  EXPECT_EQ(clicks, 1);
  p.tk().key(Key::Enter, kEnterCharacter);
  p.tk().key(Key::Space, U' ');
  p.tk().type("g");
  EXPECT_EQ(keys, (std::vector<Key>{Key::Enter, Key::Space, Key::G}));
  EXPECT_EQ(clicks, 1);
  p.tk().altKey('g');
  p.tk().altKey('G');
  p.tk().altKey('o');
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, CaptionIsCentredAndStaysPutWhenPressed) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.setCaption("OK");  // 12 x 13 on the headless backend
  EXPECT_EQ(b.textOrigin(), (Point{34, 5}));
  EXPECT_EQ(Caption().at, (Point{44, 15}));  // on the window
  MoveOnButton(3, 3);
  p.tk().press(MouseButton::Left);
  EXPECT_EQ(b.textOrigin(), (Point{34, 5}));
  EXPECT_EQ(Caption().colour, Rgb(0, 0, 0));
  b.setFont(MakeFont(FontRole::Lettering, 16.5));  // twice the size
  EXPECT_EQ(b.textOrigin(), (Point{28, -1}));
  b.setBounds({10, 10, 100, 40});
  EXPECT_EQ(b.textOrigin(), (Point{38, 7}));
  EXPECT_EQ(Shown(), ButtonLook::Normal);
}

// The caption takes the pointer as a whole, at its corner.
TEST_F(ButtonTest, MovesOverTheCaptionCountAtTheCaptionsCorner) {
  SkinButton& b = Place({10, 10, 80, 24});
  b.setCaption("OK");
  MoveOnButton(40, 10);
  EXPECT_EQ(Shown(), ButtonLook::Hot);
  MoveOnButton(2, 2);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].position, (Point{40, 10}));
  EXPECT_EQ(moves[1].position, (Point{2, 2}));
  // A caption wider than the button has a negative corner: no move and no hover over it.
  b.setCaption("A caption far too long");
  moves.clear();
  MoveOnButton(40, 10);
  EXPECT_TRUE(moves.empty());
  EXPECT_EQ(Shown(), ButtonLook::Normal);
  EXPECT_TRUE(b.pollArmed());
}

// A caption centred on a half pixel (13 high on 24: from 5.5) takes the pointer from the
// next whole pixel (6) to the one before its far edge (18), on every side.
TEST_F(ButtonTest, TheCaptionsHalfPixelEdgesTakeThePointerFromTheNextWholePixel) {
  struct Row {
    Point at;
    bool overCaption;
  };
  Place({10, 10, 80, 24}).setCaption("A caption far too long");  // 132 wide: from -26, so moves over it drop
  for (Row row : {Row{{40, 5}, false}, Row{{40, 6}, true}, Row{{40, 18}, true}, Row{{40, 19}, false},
                  Row{{0, 6}, true}, Row{{79, 18}, true}}) {
    moves.clear();
    MoveOnButton(row.at.x, row.at.y);
    EXPECT_EQ(moves.empty(), row.overCaption) << row.at.x << "," << row.at.y;
    MoveOnButton(200, 50);
    p.tk().advance(SkinButton::kPollIntervalMs);
  }
}

}  // namespace
}  // namespace morvane
