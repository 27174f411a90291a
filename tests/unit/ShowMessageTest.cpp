// ShowMessage: the buttons each style shows, the reply of every way out, placing and dragging.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/ShowMessage.h"
#include "ui/dialogs/MessageDialog.h"

namespace morvane {
namespace {


enum class Act { Yes, OK, No, X, Escape, TabThenEscape, ActivatedAgainThenEscape, SystemClose };

struct ReplyCase {
  const char* name;
  std::int32_t style;
  Act act;
  std::int32_t reply;
};
void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

MessageDialog& Box(Window& w) { return static_cast<MessageDialog&>(w); }

void Perform(HeadlessToolkit& tk, MessageDialog& box, Act act) {
  switch (act) {
    case Act::Yes: tk.click(box.yesButton); break;
    case Act::OK: tk.click(box.okButton); break;
    case Act::No: tk.click(box.noButton); break;
    case Act::X: tk.click(box.closeButton); break;
    case Act::TabThenEscape: tk.key(Key::Tab); [[fallthrough]];
    case Act::Escape: tk.key(Key::Escape, kEscapeCharacter); break;
    case Act::ActivatedAgainThenEscape:
      tk.activate(box, {ActivationKind::Inactive});
      tk.activate(box, {ActivationKind::Active});
      tk.key(Key::Escape, kEscapeCharacter);
      break;
    case Act::SystemClose: box.closeRequested(); break;
  }
}

class ShowMessageReply : public testing::ProgramTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ShowMessageReply, EachWayOfClosingGivesItsReply) {
  const ReplyCase& c = GetParam();
  bool closedByTheAct = false;
  std::int32_t replyAtClose = 0;
  tk().onNextModal([&](Window& w) {
    Perform(tk(), Box(w), c.act);
    closedByTheAct = !w.loaded();
    replyAtClose = Box(w).reply();
  });

  EXPECT_EQ(ShowMessage(*program, "Go on?", c.style), c.reply);
  EXPECT_TRUE(closedByTheAct);
  EXPECT_EQ(replyAtClose, c.reply) << "the dialog stores its reply as it closes";
  ASSERT_EQ(tk().modalsShown().size(), 1u);
  using Texts = std::vector<std::string>;
  Texts shown = (c.style & StyleYesNo) ? Texts{"Go on?", "Yes", "No", "X"} : Texts{"Go on?", "OK", "X"};
  EXPECT_EQ(tk().modalsShown()[0].visibleTexts, shown);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ShowMessageReply,
    ::testing::Values(ReplyCase{"OkStyleOK", 0, Act::OK, ReplyOK},
                      ReplyCase{"OkStyleX", 0, Act::X, ReplyOK},
                      ReplyCase{"OkStyleEscape", 0, Act::Escape, ReplyOK},
                      ReplyCase{"OkStyleEscapeOnX", 0, Act::TabThenEscape, ReplyOK},
                      ReplyCase{"OkStyleEscapeActivatedAgain", 0, Act::ActivatedAgainThenEscape, ReplyOK},
                      ReplyCase{"OkStyleSystemClose", 0, Act::SystemClose, ReplyOK},
                      ReplyCase{"YesNoStyleYes", 16, Act::Yes, ReplyYes},
                      ReplyCase{"YesNoStyleNo", 16, Act::No, ReplyNo},
                      ReplyCase{"YesNoStyleX", 16, Act::X, ReplyNo},
                      ReplyCase{"YesNoStyleEscape", 16, Act::Escape, ReplyNo},
                      ReplyCase{"YesNoStyleEscapeOnNo", 16, Act::TabThenEscape, ReplyNo},
                      ReplyCase{"YesNoStyleSystemClose", 16, Act::SystemClose, ReplyNo},
                      ReplyCase{"Style48IsYesNo", 48, Act::Yes, ReplyYes},
                      ReplyCase{"Style17IsYesNo", 17, Act::Escape, ReplyNo},
                      ReplyCase{"Style32IsOk", 32, Act::OK, ReplyOK},
                      ReplyCase{"Style1IsOk", 1, Act::X, ReplyOK}),
    [](const auto& info) { return std::string(info.param.name); });

class MessageDialog : public testing::ProgramTest {};

TEST_F(MessageDialog, CallsInARowEachShowOnlyTheirOwnButtonsAndPrompt) {
  tk().onNextModal([&](Window& w) { tk().click(Box(w).yesButton); });
  tk().onNextModal([&](Window& w) { tk().click(Box(w).okButton); });
  tk().onNextModal([&](Window& w) { tk().click(Box(w).noButton); });
  EXPECT_EQ(ShowMessage(*program, "first", StyleYesNo), ReplyYes);
  EXPECT_EQ(ShowMessage(*program, 42), ReplyOK);
  EXPECT_EQ(ShowMessage(*program, -7, StyleYesNo), ReplyNo);
  ASSERT_EQ(tk().modalsShown().size(), 3u);
  EXPECT_EQ(tk().modalsShown()[1].visibleTexts, (std::vector<std::string>{"42", "OK", "X"}));
  EXPECT_EQ(tk().modalsShown()[2].visibleTexts, (std::vector<std::string>{"-7", "Yes", "No", "X"}));
}

TEST_F(MessageDialog, ADialogClosedFromOutsideNeverReturnsAnEarlierReply) {
  tk().onNextModal([&](Window& w) { tk().click(Box(w).yesButton); });
  ASSERT_EQ(ShowMessage(*program, "Shut down now?", StyleYesNo), ReplyYes);
  // No reply scripted: the backend closes the dialog as the system would.
  EXPECT_EQ(ShowMessage(*program, "Shut down now?", StyleYesNo), ReplyNo);

  // One dialog taken away by another answers as its own "X".
  std::int32_t inner = 0;
  tk().onNextModal([&](Window&) {
    tk().onNextModal([&](Window& w) { tk().click(Box(w).okButton); });
    inner = ShowMessage(*program, "inner", 0);
  });
  EXPECT_EQ(ShowMessage(*program, "outer", StyleYesNo), ReplyNo);
  EXPECT_EQ(inner, ReplyOK);
}

TEST_F(MessageDialog, OpensCentredAndTopmostAndOnlyTheLeftButtonOnTheStripDragsIt) {
  struct Press { Point at; MouseButton button; bool drags; };
  tk().onNextModal([&](Window& w) {
    EXPECT_EQ(w.bounds(), (Rect{393, 323, 238, 122}));
    EXPECT_TRUE(w.topmost());
    for (Press p : {Press{{60, 9}, MouseButton::Right, false}, Press{{60, 50}, MouseButton::Left, false},
                    Press{{60, 9}, MouseButton::Left, true}}) {
      Rect before = w.bounds();
      Point origin = w.clientOrigin();
      tk().moveTo({origin.x + p.at.x, origin.y + p.at.y});
      tk().press(p.button);
      tk().queueDrag({25, 40});
      tk().moveTo({origin.x + p.at.x + 4, origin.y + p.at.y + 1});
      tk().release(p.button);
      EXPECT_EQ(w.bounds().x, before.x + (p.drags ? 25 : 0)) << p.at.y << " " << static_cast<int>(p.button);
    }
  });
  ShowMessage(*program, "drag me", 0);
}

}  // namespace
}  // namespace morvane
