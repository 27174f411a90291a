// A one-line text field: the user types in it, within a maximum length, through a paste
// filter; the program sets its text and selection.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class TextField : public Control {
 public:
  TextField(Window& owner, std::string name, Rect bounds)
      : Control(owner, std::move(name), bounds, AccessibleRole::EditableText, true) {}

  Color backColor() const { return backColor_; }
  void setBackColor(Color colour) { backColor_ = colour; }
  int maxLength() const { return maxLength_; }
  void setMaxLength(int length);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  void selectAll() { setSelection(0, static_cast<int>(text().size())); }
  // What a paste puts in, given what the clipboard holds.
  void onPaste(std::function<std::string(std::string)> filter) { paste_ = std::move(filter); }
  std::string pasted(std::string text) const { return paste_ ? paste_(std::move(text)) : text; }

  // The user changed the text (typing, pasting) or the selection: the model follows
  // without echoing back to the peer.
  void textEdited(std::string text);
  void selectionEdited(int start, int length) { selStart_ = start; selLength_ = length; }

 protected:
  std::string fitted(std::string text) const override;
  void textReplaced() override;

 private:
  bool focusable() const override { return true; }
  std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) override { return toolkit.createPeer(*this); }

  Color backColor_ = Rgb(240, 240, 240);
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
  std::function<std::string(std::string)> paste_;
};

}  // namespace morvane
