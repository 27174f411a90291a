// Window slots of the program.
#include "ui/Program.h"

#include "platform/FormSlot.h"
#include "platform/Window.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Form2.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/main/Form1.h"

namespace morvane {

struct Program::Slots {
  explicit Slots(Program& p)
      : form1(p.toolkit(), Screen(p), [&p] { return std::make_unique<Form1>(p); }),
        form2(p.toolkit(), Screen(p), [&p] { return std::make_unique<Form2>(p); }),
        messageBox(p.toolkit(), Screen(p), [&p] { return std::make_unique<MessageBox>(p); }),
        about(p.toolkit(), Screen(p), [&p] { return std::make_unique<About>(p); }) {}
  static std::function<Size()> Screen(Program& p) {
    return [&p] { return p.system().primaryScreen(); };
  }
  FormSlot<Form1> form1;
  FormSlot<Form2> form2;
  FormSlot<MessageBox> messageBox;
  FormSlot<About> about;
};

Program::Program(Platform& platform) : platform_(platform), slots_(std::make_unique<Slots>(*this)) {}

Program::~Program() = default;

Form1& Program::form1() { return slots_->form1(); }
Form2& Program::form2() { return slots_->form2(); }
MessageBox& Program::messageBox() { return slots_->messageBox(); }
About& Program::about() { return slots_->about(); }
Form1* Program::existingForm1() const { return slots_->form1.existing(); }
Form2* Program::existingForm2() const { return slots_->form2.existing(); }
MessageBox* Program::existingMessageBox() const { return slots_->messageBox.existing(); }
About* Program::existingAbout() const { return slots_->about.existing(); }

}  // namespace morvane
