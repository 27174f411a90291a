// ShowMessage: the buttons each question shows, the reply of every way out, placing and dragging.
#include <gtest/gtest.h>

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
  MessageButtons buttons;
  Act act;
  MessageReply reply;
};
void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

constexpr MessageButtons OkOnly = MessageButtons::OK;
constexpr MessageButtons YesNo = MessageButtons::YesNo;

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
  MessageReply replyAtClose = MessageReply::None;
  tk().onNextModal([&](Window& w) {
    Perform(tk(), Box(w), c.act);
    closedByTheAct = !w.loaded();
    replyAtClose = Box(w).reply();
  });

  EXPECT_EQ(ShowMessage(*program, "Go on?", c.buttons), c.reply);
  EXPECT_TRUE(closedByTheAct);
  EXPECT_EQ(replyAtClose, c.reply) << "the dialog stores its reply as it closes";
  ASSERT_EQ(tk().modalsShown().size(), 1u);
  using Texts = std::vector<std::string>;
  Texts shown = c.buttons == MessageButtons::YesNo ? Texts{"Go on?", "Yes", "No", "X"} : Texts{"Go on?", "OK", "X"};
  EXPECT_EQ(tk().modalsShown()[0].visibleTexts, shown);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, ShowMessageReply,
    ::testing::Values(ReplyCase{"OkOK", OkOnly, Act::OK, MessageReply::OK},
                      ReplyCase{"OkX", OkOnly, Act::X, MessageReply::OK},
                      ReplyCase{"OkEscape", OkOnly, Act::Escape, MessageReply::OK},
                      ReplyCase{"OkEscapeOnX", OkOnly, Act::TabThenEscape, MessageReply::OK},
                      ReplyCase{"OkEscapeActivatedAgain", OkOnly, Act::ActivatedAgainThenEscape, MessageReply::OK},
                      ReplyCase{"OkSystemClose", OkOnly, Act::SystemClose, MessageReply::OK},
                      ReplyCase{"YesNoYes", YesNo, Act::Yes, MessageReply::Yes},
                      ReplyCase{"YesNoNo", YesNo, Act::No, MessageReply::No},
                      ReplyCase{"YesNoX", YesNo, Act::X, MessageReply::No},
                      ReplyCase{"YesNoEscape", YesNo, Act::Escape, MessageReply::No},
                      ReplyCase{"YesNoEscapeOnNo", YesNo, Act::TabThenEscape, MessageReply::No},
                      ReplyCase{"YesNoSystemClose", YesNo, Act::SystemClose, MessageReply::No}),
    [](const auto& info) { return std::string(info.param.name); });

class MessageDialog : public testing::ProgramTest {};

TEST_F(MessageDialog, CallsInARowEachShowOnlyTheirOwnButtonsAndPrompt) {
  tk().onNextModal([&](Window& w) { tk().click(Box(w).yesButton); });
  tk().onNextModal([&](Window& w) { tk().click(Box(w).okButton); });
  tk().onNextModal([&](Window& w) { tk().click(Box(w).noButton); });
  EXPECT_EQ(ShowMessage(*program, "first", YesNo), MessageReply::Yes);
  EXPECT_EQ(ShowMessage(*program, 42), MessageReply::OK);
  EXPECT_EQ(ShowMessage(*program, -7, YesNo), MessageReply::No);
  ASSERT_EQ(tk().modalsShown().size(), 3u);
  EXPECT_EQ(tk().modalsShown()[1].visibleTexts, (std::vector<std::string>{"42", "OK", "X"}));
  EXPECT_EQ(tk().modalsShown()[2].visibleTexts, (std::vector<std::string>{"-7", "Yes", "No", "X"}));
}

TEST_F(MessageDialog, ADialogClosedFromOutsideNeverReturnsAnEarlierReply) {
  tk().onNextModal([&](Window& w) { tk().click(Box(w).yesButton); });
  ASSERT_EQ(ShowMessage(*program, "Shut down now?", YesNo), MessageReply::Yes);
  // No reply scripted: the backend closes the dialog as the system would.
  EXPECT_EQ(ShowMessage(*program, "Shut down now?", YesNo), MessageReply::No);

  // One dialog taken away by another answers as its own "X".
  MessageReply inner = MessageReply::None;
  tk().onNextModal([&](Window&) {
    tk().onNextModal([&](Window& w) { tk().click(Box(w).okButton); });
    inner = ShowMessage(*program, "inner");
  });
  EXPECT_EQ(ShowMessage(*program, "outer", YesNo), MessageReply::No);
  EXPECT_EQ(inner, MessageReply::OK);
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
  ShowMessage(*program, "drag me");
}

}  // namespace
}  // namespace morvane
