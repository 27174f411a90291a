// Text fields: the maximum length and the selection, as the program sets them and as the
// user edits them.
#include "toolkit/TextField.h"

#include <algorithm>

namespace morvane {

void TextField::setMaxLength(int length) {
  maxLength_ = length;
  changed(Prop::MaxLength);
}

void TextField::setSelection(int start, int length) {
  int size = static_cast<int>(text().size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  changed(Prop::Selection);
}

// The program's text is cut to the maximum length, as the user's typing is stopped there.
std::string TextField::fitted(std::string text) const {
  if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) text.resize(static_cast<size_t>(maxLength_));
  return text;
}

// Text set by the program leaves the caret where it was, or at the end, with nothing selected.
void TextField::textReplaced() {
  selStart_ = std::min(selStart_, static_cast<int>(text().size()));
  selLength_ = 0;
}

void TextField::textEdited(std::string text) {
  setTextFromPeer(std::move(text));
  selStart_ = std::min(selStart_, static_cast<int>(this->text().size()));
  selLength_ = std::min(selLength_, static_cast<int>(this->text().size()) - selStart_);
}

}  // namespace morvane
