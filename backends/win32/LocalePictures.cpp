// Reading Windows date and time pictures into the locale's values.
#include "backends/win32/LocalePictures.h"

#include <string>
#include <vector>

namespace morvane {

namespace {

// A picture as runs of one letter ("dd", "MMMM") and the literal text between them.
struct Run {
  char letter = 0;  // 0: literal text
  std::size_t count = 0;
  std::string text;
};

bool IsPictureLetter(char c) {
  switch (c) {
    case 'd': case 'M': case 'y': case 'g': case 'h': case 'H': case 'm': case 's': case 't':
      return true;
    default:
      return false;
  }
}

void AddLiteral(std::vector<Run>& runs, char c) {
  if (runs.empty() || runs.back().letter != 0) runs.push_back({});
  runs.back().text += c;
}

std::vector<Run> Runs(std::string_view picture) {
  std::vector<Run> runs;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      // Quoted text is literal; a doubled quote stands for one quote, inside or out.
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        AddLiteral(runs, '\'');
        i += 2;
        continue;
      }
      for (++i; i < picture.size(); ++i) {
        if (picture[i] != '\'') {
          AddLiteral(runs, picture[i]);
        } else if (i + 1 < picture.size() && picture[i + 1] == '\'') {
          AddLiteral(runs, '\'');
          ++i;
        } else {
          ++i;
          break;
        }
      }
      continue;
    }
    if (!IsPictureLetter(c)) {
      AddLiteral(runs, c);
      ++i;
      continue;
    }
    std::size_t count = 1;
    while (i + count < picture.size() && picture[i + count] == c) ++count;
    runs.push_back({c, count, {}});
    i += count;
  }
  return runs;
}

// The literal text between the first two runs of the given letters, if they follow each other.
const std::string* SeparatorOf(const std::vector<Run>& runs, std::string_view letters) {
  for (std::size_t i = 0; i + 2 < runs.size(); ++i) {
    if (letters.find(runs[i].letter) != std::string_view::npos && runs[i].letter != 0) {
      const bool between = runs[i + 1].letter == 0 && letters.find(runs[i + 2].letter) != std::string_view::npos &&
                           runs[i + 2].letter != 0;
      return between ? &runs[i + 1].text : nullptr;
    }
  }
  return nullptr;
}

}  // namespace

void ReadDatePicture(std::string_view picture, LocaleFormats& formats) {
  const std::vector<Run> runs = Runs(picture);
  for (const Run& run : runs) {
    if (run.letter == 'd' && run.count <= 2) formats.dayTwoDigits = run.count == 2;
    if (run.letter == 'M') formats.monthTwoDigits = run.count >= 2;
    if (run.letter == 'y') formats.yearTwoDigits = run.count <= 2;
  }
  if (const std::string* separator = SeparatorOf(runs, "dMy")) formats.dateSeparator = *separator;
}

void ReadTimePicture(std::string_view picture, LocaleFormats& formats) {
  const std::vector<Run> runs = Runs(picture);
  bool hourSeen = false;
  for (const Run& run : runs) {
    if (run.letter == 'h' || run.letter == 'H') {
      formats.twelveHour = run.letter == 'h';
      formats.hourTwoDigits = run.count >= 2;
      hourSeen = true;
    }
    if (run.letter == 't') formats.designatorFirst = !hourSeen;
  }
  if (const std::string* separator = SeparatorOf(runs, "hHms")) formats.timeSeparator = *separator;
}

}  // namespace morvane
