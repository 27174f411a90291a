// Recognising the command-line forms: tried in a fixed order, the first that fits wins; the after
// and time-of-day forms check only the shape, the ranges are Start's business.
#include "app/CommandLine.h"

#include <string>

#include "platform/DateConversion.h"
#include "schedule/ActionText.h"

namespace morvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "hh:mm" at the start of the text: digits at positions 1, 2, 4 and 5, a colon at 3.
bool HasClockShape(std::string_view text) {
  return text.size() >= 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' && IsDigit(text[3]) &&
         IsDigit(text[4]);
}

int TwoDigitNumber(std::string_view text) { return (text[0] - '0') * 10 + (text[1] - '0'); }

// The schedule forms: "hh:mm" after, "hh:mm:00" at today, or a date and/or time the platform reads.
std::optional<Schedule> ScheduleForm(std::string_view text, const DateTimeConversion& convert) {
  Schedule schedule;
  if (text.size() == 5 && HasClockShape(text)) {
    schedule.mode = ScheduleMode::After;
  } else if (text.size() == 8 && HasClockShape(text) && text.substr(5) == ":00") {
    schedule.mode = ScheduleMode::At;
  } else if (std::optional<LocalTime> moment =
                 !text.empty() && text.size() <= kMaxDateTextLength ? convert(text) : std::nullopt) {
    using namespace std::chrono;
    const local_days day = floor<days>(*moment);
    const hh_mm_ss<seconds> time{*moment - day};
    schedule.mode = ScheduleMode::At;
    schedule.date = year_month_day{day};
    schedule.hours = static_cast<int>(time.hours().count());
    schedule.minutes = static_cast<int>(time.minutes().count());
    return schedule;
  } else {
    return std::nullopt;
  }
  schedule.hours = TwoDigitNumber(text.substr(0, 2));
  schedule.minutes = TwoDigitNumber(text.substr(3, 2));
  return schedule;
}

}  // namespace

CommandLineForm ParseCommandLine(std::string_view text, const DateTimeConversion& convert) {
  using Kind = CommandLineForm::Kind;
  const std::string lowered = LowerCase(Unquoted(text));
  const std::string_view command = lowered;
  CommandLineForm form;
  if (command.empty()) {
    form.kind = Kind::Empty;
    return form;
  }
  if (std::optional<Action> action = ActionOfWord(command)) {
    form.kind = Kind::ActNow;
    form.action = *action;
    return form;
  }
  std::string_view rest = command;
  const std::size_t space = command.find(' ');
  if (space != std::string_view::npos) {
    if (std::optional<Action> action = ActionOfWord(command.substr(0, space))) {
      form.action = *action;
      rest = Unquoted(command.substr(space + 1));
      if (rest.empty()) return form;  // a word and a space with nothing after them
    }
  }
  if (std::optional<Schedule> schedule = ScheduleForm(rest, convert)) {
    form.kind = Kind::Schedule;
    form.schedule = *schedule;
    form.schedule.action = form.action;
  }
  return form;
}

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace morvane
