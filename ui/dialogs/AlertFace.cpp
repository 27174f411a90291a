// Paints the alert window's face; only the number on it is a control.
#include "ui/dialogs/AlertFace.h"

#include "schedule/ActionText.h"
#include "ui/dialogs/PawPrint.h"

namespace morvane {

namespace {
constexpr int kWidth = kAlertFaceSize.w;
constexpr int kHeight = kAlertFaceSize.h;
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kTitleInk = Rgb(46, 70, 22);

void Frame(Surface& s) {
  s.fill({0, 0, kWidth, 1}, kBlack);
  s.fill({0, kHeight - 1, kWidth, 1}, kBlack);
  s.fill({0, 0, 1, kHeight}, kBlack);
  s.fill({kWidth - 1, 0, 1, kHeight}, kBlack);
}

void Rule(Surface& s, int row) { s.line({12, row}, {kWidth - 12, row}, kRuleGrey); }
}  // namespace

void PaintAlertFace(Surface& s, Action action) {
  s.fill({0, 0, kWidth, kHeight}, kFaceGrey);
  Frame(s);

  s.fill({2, 2, kWidth - 4, 31}, kFaceGreen);  // rows 2 to 32
  s.text({12, 7}, "Morvane", Font{FontRole::Lettering, 14, true, true}, kTitleInk);
  for (int i = 0; i < 3; ++i) PawPrint(s, {298 + i * 22, 17}, 16, kPawGreen);

  Rule(s, 61);
  s.text({22, 68}, AlertHeading(action), Font{FontRole::Lettering, 10, true}, kLetterGrey);
  // Behind the number, which the label draws on a transparent background.
  PawPrint(s, {179, 118}, 96, kPalePawGreen);
  s.text({282, 148}, "Seconds", Font{FontRole::Lettering, 10, true}, kLetterGrey);
  Rule(s, 170);

  s.fill({2, 217, kWidth - 4, 21}, kFaceGreen);  // rows 217 to 237
}

}  // namespace morvane
