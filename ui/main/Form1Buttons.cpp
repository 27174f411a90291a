// The bar's command buttons: Start/Stop, Help, About, the maker's home page and Quit.
#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/About.h"
#include "ui/main/Form1.h"
#include "platform/SkipOnError.h"

namespace morvane {

// Each step is skipped on error and the next one runs.
void Form1::xpcmdbutton1_Click(int index) {
  System& system = program_.system();
  switch (index) {
    case 0:
      if (xpcmdbutton1[0].Caption() == "Start") {
        start();
      } else {
        SkipOnError([&] { IStop(); });
      }
      break;
    case 1:
      SkipOnError([&] { system.shellOpen("Open", system.executableFolder() + "\\help.chm"); });
      break;
    case 2:
      SkipOnError([&] {
        About& about = program_.about();
        about.show();
        about.Timer1.setEnabled(false);
      });
      break;
    case 3:
      SkipOnError([&] { system.shellOpen("Open", kMakerHomePage); });
      break;
    case 4:
      SkipOnError([&] { SaveSettings(program_); });
      SkipOnError([&] { unload(); });
      SkipOnError([&] { system.endProcess(); });
      break;
    default:
      break;
  }
}

// Closing the bar from the system (Alt+F4) is Quit, and is refused while a countdown runs,
// as Quit is.
void Form1::hostCloseRequested() {
  if (xpcmdbutton1[4].Enabled()) xpcmdbutton1_Click(4);
}

}  // namespace morvane
