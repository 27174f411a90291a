// The bar's controls, its loading, and how its state shows: the schedule mode and the countdown.
#include "ui/bar/MainBar.h"

#include <algorithm>
#include <chrono>

#include "schedule/ActionText.h"
#include "toolkit/PopupMenu.h"
#include "ui/Program.h"
#include "ui/bar/BarFace.h"
#include "ui/bar/BarSettings.h"
#include "ui/bar/DockingRule.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {

namespace {

constexpr Rect kButtonPlaces[5] = {{0, 0, 51, 18}, {50, 0, 51, 18}, {100, 0, 51, 18}, {150, 0, 55, 18}, {204, 0, 51, 18}};
constexpr Rect kScheduleLinePlace{8, 22, 239, 13};

}  // namespace

MainBar::MainBar(Program& program)
    : Window(program.toolkit(), "Morvane", {255, 43}),
      startButton(*this, program.system(), "startButton", kButtonPlaces[0]),
      helpButton(*this, program.system(), "helpButton", kButtonPlaces[1]),
      aboutButton(*this, program.system(), "aboutButton", kButtonPlaces[2]),
      homePageButton(*this, program.system(), "homePageButton", kButtonPlaces[3]),
      quitButton(*this, program.system(), "quitButton", kButtonPlaces[4]),
      atYear(*this, "atYear", {217, 21, 30, 13}),
      atMonth(*this, "atMonth", {163, 21, 18, 13}),
      atDay(*this, "atDay", {190, 21, 18, 13}),
      atHour(*this, "atHour", {106, 21, 18, 13}),
      atMinute(*this, "atMinute", {133, 21, 18, 13}),
      afterHours(*this, "afterHours", {106, 21, 18, 13}),
      afterMinutes(*this, "afterMinutes", {133, 21, 18, 13}),
      actionWord(*this, "actionWord", kScheduleLinePlace),
      afterWord(*this, "afterWord", {59, 22, 21, 13}),
      atWord(*this, "atWord", {91, 22, 9, 13}),
      countdownLine(*this, "countdownLine", {8, 22, 239, 13}),
      scheduleLine(*this, "scheduleLine", kScheduleLinePlace),
      foldedLine(*this, "foldedLine", {0, 0, 255, 1}),
      countdownTimer(*this, 1000, false),
      blinkTimer(*this, 1000, true),
      dockTimer(*this, 180, true),
      program_(program) {
  setBackColor(kBarBackground);
  setFace(PaintBarFace);
  // The buttons come first in the tab order and lie above everything else: they are
  // constructed first. The home-page button keeps its display name until the window loads.
  // Each command but the home page has a window key, Alt with its first letter, named in
  // its tooltip; Quit's works only while Quit does.
  struct ButtonInit {
    SkinButton& button;
    const char* caption;
    void (MainBar::*handler)();
    char key;
    const char* tooltip;
  };
  for (ButtonInit b : {
           ButtonInit{startButton, "Start", &MainBar::startOrStop, 'S', "Start or stop the countdown (Alt+S)"},
           ButtonInit{helpButton, "Help", &MainBar::openHelp, 'H', "Open the help (Alt+H)"},
           ButtonInit{aboutButton, "About", &MainBar::showAbout, 'A', "About Morvane (Alt+A)"},
           ButtonInit{homePageButton, nullptr, &MainBar::openHomePage, 0, nullptr},
           ButtonInit{quitButton, "Quit", &MainBar::quit, 'Q', "Save the schedule and quit (Alt+Q)"}}) {
    if (b.caption) b.button.setCaption(b.caption);
    b.button.onClick([this, handler = b.handler] { (this->*handler)(); });
    if (b.tooltip) b.button.setTooltip(b.tooltip);
    if (!b.key) continue;
    std::function<bool()> available;
    if (&b.button == &quitButton) available = [this] { return quitAvailable(); };
    addKey(static_cast<char32_t>(b.key), true, [this, handler = b.handler] { (this->*handler)(); }, available);
  }

  struct FieldInit { TextField& field; int maxLength; const char* text; bool visible; bool tooltip; const char* spoken; };
  constexpr int kTime = kTimeFieldLength;
  for (FieldInit f : {FieldInit{atYear, 4, "", false, true, "year"}, FieldInit{atMonth, 2, "", false, true, "month"},
                      FieldInit{atDay, 2, "", false, true, "day"}, FieldInit{atHour, kTime, "21", false, true, "hour"},
                      FieldInit{atMinute, kTime, "0", false, true, "minute"},
                      FieldInit{afterHours, kTime, "1", true, false, "hours"},
                      FieldInit{afterMinutes, kTime, "0", true, false, "minutes"}}) {
    f.field.setAccessibleName(f.spoken);
    f.field.setMaxLength(f.maxLength);
    f.field.setText(f.text);
    f.field.setVisible(f.visible);
    f.field.setAlign(Align::Center);
    f.field.setBackColor(kBarBackground);
    if (f.tooltip) f.field.setTooltip(kFieldTooltip);
  }
  // The action word lies over the schedule line's first word and ends where "Shutdown" ends
  // there, wide enough for the longest name, so that it hides that word whichever it shows.
  // To a screen reader it is a button with a menu.
  const Font& lineFont = *scheduleLine.font();
  const int wordEnd = kScheduleLinePlace.x + program.toolkit().measureText(lineFont, ActionName(Action::ShutDown)).w;
  int wordWidth = 0;
  for (Action a : kActions) wordWidth = std::max(wordWidth, program.toolkit().measureText(lineFont, ActionName(a)).w);
  actionWord.setBounds({wordEnd - wordWidth, kScheduleLinePlace.y, wordWidth, kScheduleLinePlace.h});
  actionWord.setAlign(Align::Right);
  actionWord.setAccessibleRole(AccessibleRole::MenuButton);
  actionWord.setCursor(Cursor::Hand);
  actionWord.onClick([this] { openActionMenu(); });
  onContextMenu([this] { openActionMenu(); });
  // The mode words are a pair of radio buttons to a screen reader, the chosen one checked.
  afterWord.setText("after");
  afterWord.setAccessibleRole(AccessibleRole::RadioButton);
  afterWord.setForeColor(ModeWordColour(true));
  afterWord.setCursor(Cursor::Hand);
  afterWord.onClick([this] { selectAfterMode(); });
  atWord.setText("at");
  atWord.setAccessibleRole(AccessibleRole::RadioButton);
  atWord.setForeColor(ModeWordColour(false));
  atWord.setCursor(Cursor::Hand);
  atWord.onClick([this] { selectAtMode(); });
  countdownLine.setText(CountdownIdleText(Action::ShutDown));
  countdownLine.setAlign(Align::Center);
  countdownLine.setVisible(false);
  scheduleLine.setText(kAfterModeLine);
  showAction();
  foldedLine.setForeColor(kFoldedLineRed);
  foldedLine.setVisible(false);

  countdownTimer.onTick([this] { countdownTick(); });
  blinkTimer.onTick([this] { blinkTick(); });
  dockTimer.onTick([this] { dockTick(); });
  onPointerMoved([this](const PointerEvent& event) { dragBar(event); });
  onActivationChanged([this](Activation activation) { activated(activation); });
  wireFields();
}

MainBar::~MainBar() = default;

void MainBar::onLoad() {
  makeTopmost();
  blinkPhase_ = 1;
  LoadSettings(program_);
  homePageButton.setCaption(kMakerShortName);
  using namespace std::chrono;
  year_month_day today{floor<days>(program_.system().now())};
  atYear.setText(std::to_string(static_cast<int>(today.year())));
  atMonth.setText(std::to_string(static_cast<unsigned>(today.month())));
  atDay.setText(std::to_string(static_cast<unsigned>(today.day())));
  screenWidth_ = program_.system().primaryScreen().w;
  setLeft(CentredBarLeft(screenWidth_, width()));
}

void MainBar::selectAfterMode() {
  mode_ = ScheduleMode::After;
  showMode();
}

void MainBar::selectAtMode() {
  mode_ = ScheduleMode::At;
  showMode();
}

void MainBar::selectAction(Action action) {
  action_ = action;
  showMode();
}

// The schedule line's own first word lies under the action word; a screen reader hears the
// action's name there instead.
void MainBar::showAction() {
  actionWord.setText(ActionName(action_));
  actionWord.setAccessibleName(ActionAccessibleName(action_));
  const std::string_view line = scheduleLine.text();
  const std::string_view shutdown = ActionName(Action::ShutDown);
  scheduleLine.setAccessibleName(action_ == Action::ShutDown || !line.starts_with(shutdown)
                                     ? std::string()
                                     : ActionName(action_) + std::string(line.substr(shutdown.size())));
}

// The action cannot change while a countdown runs, as the mode cannot: the word is hidden then,
// and the keyboard's way to the menu is shut.
void MainBar::openActionMenu() {
  if (counting_) return;
  std::vector<MenuItem> items;
  for (Action a : kActions) items.push_back({ActionName(a), a == action_});
  const std::optional<int> picked = PopupMenu(std::move(items)).open(actionWord);
  if (picked && !counting_) selectAction(kActions[*picked]);
}

// The second row for the mode, in the order the mode words apply it: the words' colours,
// the mode's fields and the schedule line; a running countdown hides all of them.
void MainBar::showMode() {
  bool after = mode_ == ScheduleMode::After;
  bool idle = !counting_;
  atWord.setChecked(!after);
  atWord.setForeColor(ModeWordColour(!after));
  for (TextField* f : {&atYear, &atMonth, &atDay, &atHour, &atMinute}) f->setVisible(idle && !after);
  afterWord.setChecked(after);
  afterWord.setForeColor(ModeWordColour(after));
  afterHours.setVisible(idle && after);
  afterMinutes.setVisible(idle && after);
  scheduleLine.setText(after ? kAfterModeLine : kAtModeLine);
  showAction();
  for (Control* c : {&scheduleLine, &actionWord, &afterWord, &atWord}) c->setVisible(idle);
}

// Start becomes Stop and Quit is disabled while a countdown runs; its line takes the place
// of the schedule line.
void MainBar::showCountdownState() {
  startButton.setCaption(counting_ ? "Stop" : "Start");
  quitButton.setEnabled(quitAvailable());
  countdownLine.setVisible(counting_);
  showMode();
}

ScheduleFields MainBar::fields() const {
  return {atYear.text(), atMonth.text(), atDay.text(), atHour.text(), atMinute.text(),
          afterHours.text(), afterMinutes.text(), mode_, action_};
}

SettingsValues MainBar::settingsValues() const {
  SettingsValues v;
  v.atHour = atHour.text();
  v.atMinute = atMinute.text();
  v.afterHours = afterHours.text();
  v.afterMinutes = afterMinutes.text();
  SetMode(v, mode_);
  v.action = action_;
  return v;
}

void MainBar::applySettings(const SettingsValues& values) {
  atHour.setText(values.atHour);
  atMinute.setText(values.atMinute);
  afterHours.setText(values.afterHours);
  afterMinutes.setText(values.afterMinutes);
  mode_ = ModeOf(values);
  selectAction(values.action);
}

TextField& MainBar::field(Field which) {
  switch (which) {
    case Field::AtYear: return atYear;
    case Field::AtMonth: return atMonth;
    case Field::AtDay: return atDay;
    case Field::AtHour: return atHour;
    case Field::AtMinute: return atMinute;
    case Field::AfterHours: return afterHours;
    case Field::AfterMinutes: return afterMinutes;
  }
  return atYear;
}

void MainBar::showMessage(const std::string& text) { ShowMessage(program_, text); }

}  // namespace morvane
