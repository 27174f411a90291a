// The bar's controls, its loading and the switching between the two schedule modes.
#include "ui/main/Form1.h"

#include <chrono>

#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/main/BarFace.h"
#include "ui/main/DockingRule.h"

namespace morvane {

namespace {

constexpr Rect kButtonPlaces[5] = {{0, 0, 51, 18}, {50, 0, 51, 18}, {100, 0, 51, 18}, {150, 0, 55, 18}, {204, 0, 51, 18}};
constexpr const char* kButtonCaptions[5] = {"Start", "Help", "About", "", "Quit"};

}  // namespace

Form1::Form1(Program& program)
    : Window(program.toolkit(), "Morvane", {255, 43}),
      xpcmdbutton1{{{*this, program.system(), "xpcmdbutton1", kButtonPlaces[0]},
                    {*this, program.system(), "xpcmdbutton1", kButtonPlaces[1]},
                    {*this, program.system(), "xpcmdbutton1", kButtonPlaces[2]},
                    {*this, program.system(), "xpcmdbutton1", kButtonPlaces[3]},
                    {*this, program.system(), "xpcmdbutton1", kButtonPlaces[4]}}},
      Text3(*this, Control::Kind::TextField, "Text3", {217, 21, 30, 13}),
      Text4(*this, Control::Kind::TextField, "Text4", {163, 21, 18, 13}),
      Text5(*this, Control::Kind::TextField, "Text5", {190, 21, 18, 13}),
      Text6(*this, Control::Kind::TextField, "Text6", {106, 21, 18, 13}),
      Text7(*this, Control::Kind::TextField, "Text7", {133, 21, 18, 13}),
      Text8(*this, Control::Kind::TextField, "Text8", {106, 21, 18, 13}),
      Text9(*this, Control::Kind::TextField, "Text9", {133, 21, 18, 13}),
      Label3(*this, Control::Kind::Label, "Label3", {59, 22, 21, 13}),
      Label4(*this, Control::Kind::Label, "Label4", {91, 22, 9, 13}),
      Label1(*this, Control::Kind::Label, "Label1", {8, 22, 239, 13}),
      Label2(*this, Control::Kind::Label, "Label2", {8, 22, 239, 13}),
      line1(*this, Control::Kind::Line, "line1", {0, 0, 255, 1}),
      Timer1(*this, 1000, false),
      Timer2(*this, 1000, true),
      Timer3(*this, 180, true),
      program_(program) {
  setBackColor(kBarBackground);
  face = PaintBarFace;
  // The buttons come first in the tab order and lie above everything else: they are
  // constructed first. The home-page button keeps its display name until the window loads.
  for (int i = 0; i < 5; ++i) {
    auto& button = xpcmdbutton1[static_cast<size_t>(i)];
    if (i != 3) button.SetCaption(kButtonCaptions[i]);
    button.ButtonClick = [this, i] { xpcmdbutton1_Click(i); };
  }

  struct FieldInit { Control& field; int maxLength; const char* text; bool visible; bool tooltip; };
  for (FieldInit f : {FieldInit{Text3, 4, "", false, true}, FieldInit{Text4, 2, "", false, true},
                      FieldInit{Text5, 2, "", false, true}, FieldInit{Text6, 2, "21", false, true},
                      FieldInit{Text7, 2, "0", false, true}, FieldInit{Text8, 2, "1", true, false},
                      FieldInit{Text9, 2, "0", true, false}}) {
    f.field.setMaxLength(f.maxLength);
    f.field.setText(f.text);
    f.field.setVisible(f.visible);
    f.field.setAlign(Align::Center);
    f.field.setBackColor(kBarBackground);
    if (f.tooltip) f.field.setTooltip(kFieldTooltip);
  }
  Label3.setText("after");
  Label3.setForeColor(kModeSelected);
  Label3.setCursor(Cursor::Hand);
  Label3.Click = [this] { Label3_Click(); };
  Label4.setText("at");
  Label4.setForeColor(kModeUnselected);
  Label4.setCursor(Cursor::Hand);
  Label4.Click = [this] { Label4_Click(); };
  Label1.setText("Shutdown computer as your wish.");
  Label1.setAlign(Align::Center);
  Label1.setVisible(false);
  Label2.setText(kAfterModeLine);
  line1.setForeColor(0x0000FF);
  line1.setVisible(false);

  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
  Timer3.Tick = [this] { Timer3_Timer(); };
  MouseMove = [this](int& b, int& s, float& x, float& y) { Form_MouseMove(b, s, x, y); };
  wireFields();
}

Form1::~Form1() = default;

void Form1::Form_Load() {
  trackActivation([this](std::uint32_t state) { ActivationWndProc(state); });
  makeTopmost();
  BlinkState = 1;
  LoadSettings(program_);
  xpcmdbutton1[3].SetCaption(kMakerShortName);
  using namespace std::chrono;
  year_month_day today{floor<days>(program_.system().now())};
  Text3.setText(std::to_string(static_cast<int>(today.year())));
  Text4.setText(std::to_string(static_cast<unsigned>(today.month())));
  Text5.setText(std::to_string(static_cast<unsigned>(today.day())));
  ScreenWidthTwips = program_.system().primaryScreen().w * kTwipsPerPixel;
  setLeft(CentredBarLeft(ScreenWidthTwips, width() * kTwipsPerPixel) / kTwipsPerPixel);
}

// The layout of a mode, in the order the mode words apply it.
void Form1::Label3_Click() {
  Label4.setForeColor(kModeUnselected);
  for (Control* f : {&Text3, &Text4, &Text5, &Text6, &Text7}) f->setVisible(false);
  Label3.setForeColor(kModeSelected);
  Text8.setVisible(true);
  Text9.setVisible(true);
  Label2.setText(kAfterModeLine);
}

void Form1::Label4_Click() {
  Label4.setForeColor(kModeSelected);
  for (Control* f : {&Text3, &Text4, &Text5, &Text6, &Text7}) f->setVisible(true);
  Label3.setForeColor(kModeUnselected);
  Text8.setVisible(false);
  Text9.setVisible(false);
  Label2.setText(kAtModeLine);
}

// The settings loader's layout step: the fields of the mode Label3's colour encodes,
// leaving the colours as they were read.
void Form1::layOutForMode(bool afterMode) {
  for (Control* f : {&Text3, &Text4, &Text5, &Text6, &Text7}) f->setVisible(!afterMode);
  Text8.setVisible(afterMode);
  Text9.setVisible(afterMode);
  Label2.setText(afterMode ? kAfterModeLine : kAtModeLine);
}

ScheduleFields Form1::fields() const {
  return {Text3.text(), Text4.text(), Text5.text(), Text6.text(), Text7.text(),
          Text8.text(), Text9.text(), Label3.foreColor(), Label4.foreColor()};
}

SettingsValues Form1::settingsValues() const {
  SettingsValues v;
  v.text6 = Text6.text();
  v.text7 = Text7.text();
  v.text8 = Text8.text();
  v.text9 = Text9.text();
  v.label3Color = static_cast<std::int32_t>(Label3.foreColor());
  v.label4Color = static_cast<std::int32_t>(Label4.foreColor());
  return v;
}

void Form1::applySettings(const SettingsValues& values) {
  Text6.setText(values.text6);
  Text7.setText(values.text7);
  Text8.setText(values.text8);
  Text9.setText(values.text9);
  Label3.setForeColor(static_cast<Color>(values.label3Color));
  Label4.setForeColor(static_cast<Color>(values.label4Color));
}

Control& Form1::field(Field which) {
  switch (which) {
    case Field::Text3: return Text3;
    case Field::Text4: return Text4;
    case Field::Text5: return Text5;
    case Field::Text6: return Text6;
    case Field::Text7: return Text7;
    case Field::Text8: return Text8;
    case Field::Text9: return Text9;
  }
  return Text3;
}

void Form1::showMessage(const std::string& text) { ShowMessage(program_, text, 0); }

}  // namespace morvane
