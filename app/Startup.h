// The program's start routine: one instance only, then the command line decides how the
// run begins.
#pragma once

namespace morvane {

class Program;

void StartUp(Program& program);

}  // namespace morvane
