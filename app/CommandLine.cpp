// Recognising the command-line forms: tried in a fixed order, the first that fits wins; the after
// and time-of-day forms check only the shape, the ranges are Start's business.
#include "app/CommandLine.h"

#include "platform/DateConversion.h"

namespace morvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "hh:mm" at the start of the text: digits at positions 1, 2, 4 and 5, a colon at 3.
bool HasClockShape(std::string_view text) {
  return text.size() >= 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' && IsDigit(text[3]) &&
         IsDigit(text[4]);
}

}  // namespace

CommandLineForm ParseCommandLine(std::string_view loweredText, const DateTimeConversion& convert) {
  using Kind = CommandLineForm::Kind;
  CommandLineForm form;
  if (loweredText.empty()) {
    form.kind = Kind::Empty;
  } else if (loweredText == "shutdown") {
    form.kind = Kind::Shutdown;
  } else if (loweredText.size() == 5 && HasClockShape(loweredText)) {
    form.kind = Kind::After;
  } else if (loweredText.size() == 8 && HasClockShape(loweredText) && loweredText.substr(5) == ":00") {
    form.kind = Kind::AtToday;
  } else if (std::optional<LocalTime> moment =
                 loweredText.size() <= kMaxDateTextLength ? convert(loweredText) : std::nullopt) {
    using namespace std::chrono;
    const local_days day = floor<days>(*moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{*moment - day};
    form.kind = Kind::AtDateTime;
    form.year = static_cast<int>(date.year());
    form.month = static_cast<int>(static_cast<unsigned>(date.month()));
    form.day = static_cast<int>(static_cast<unsigned>(date.day()));
    form.hour = static_cast<int>(time.hours().count());
    form.minute = static_cast<int>(time.minutes().count());
  } else {
    form.kind = Kind::Invalid;
  }
  if (form.kind == Kind::After || form.kind == Kind::AtToday) {
    form.first = std::string(loweredText.substr(0, 2));
    form.second = std::string(loweredText.substr(3, 2));
  }
  return form;
}

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace morvane
