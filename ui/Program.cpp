// Window slots of the program.
#include "ui/Program.h"

#include "toolkit/FormSlot.h"
#include "toolkit/Window.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/dialogs/MessageDialog.h"
#include "ui/bar/MainBar.h"

namespace morvane {

struct Program::Slots {
  explicit Slots(Program& p)
      : mainBar(p.toolkit(), Screen(p), [&p] { return std::make_unique<MainBar>(p); }),
        countdownAlert(p.toolkit(), Screen(p), [&p] { return std::make_unique<CountdownAlert>(p); }),
        messageDialog(p.toolkit(), Screen(p), [&p] { return std::make_unique<MessageDialog>(p); }),
        aboutWindow(p.toolkit(), Screen(p), [&p] { return std::make_unique<AboutWindow>(p); }) {}
  static std::function<Size()> Screen(Program& p) {
    return [&p] { return p.system().primaryScreen(); };
  }
  FormSlot<MainBar> mainBar;
  FormSlot<CountdownAlert> countdownAlert;
  FormSlot<MessageDialog> messageDialog;
  FormSlot<AboutWindow> aboutWindow;
};

// What the system tells of its own accord concerns the countdown, which the bar keeps.
Program::Program(Platform& platform) : platform_(platform), slots_(std::make_unique<Slots>(*this)) {
  toolkit().onSystemEvent([this](SystemEvent event) {
    if (MainBar* bar = existingMainBar()) bar->systemEvent(event);
  });
}

Program::~Program() { toolkit().onSystemEvent(nullptr); }

MainBar& Program::mainBar() { return slots_->mainBar(); }
CountdownAlert& Program::countdownAlert() { return slots_->countdownAlert(); }
MessageDialog& Program::messageDialog() { return slots_->messageDialog(); }
AboutWindow& Program::aboutWindow() { return slots_->aboutWindow(); }
MainBar* Program::existingMainBar() const { return slots_->mainBar.existing(); }
CountdownAlert* Program::existingCountdownAlert() const { return slots_->countdownAlert.existing(); }
MessageDialog* Program::existingMessageDialog() const { return slots_->messageDialog.existing(); }
AboutWindow* Program::existingAboutWindow() const { return slots_->aboutWindow.existing(); }

}  // namespace morvane
