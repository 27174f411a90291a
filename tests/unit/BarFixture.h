// The bar's tests share this: a whole program on the headless backend, and its bar.
#pragma once

#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"

namespace morvane {

class BarFixture : public testing::ProgramTest {
 protected:
  MainBar& bar() { return program->mainBar(); }
  MainBar& shown() {
    MainBar& f = bar();
    f.show();
    return f;
  }
  Point barPoint(int x, int y) { return {bar().left() + x, bar().top() + y}; }
};

}  // namespace morvane
