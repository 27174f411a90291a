// A portable control: it holds its own state, forwards every change to its peer, and
// raises the container's events from the input router's notifications.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/InputEvents.h"
#include "toolkit/ToolkitTypes.h"

namespace morvane {

class Window;
class Toolkit;

class Control : public InputEvents {
 public:
  enum class Kind : std::uint8_t { Label, TextField, Line, Picture, Custom };

  Control(Window& owner, Kind kind, std::string name, Rect bounds);
  ~Control() override;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Window& owner() const { return owner_; }

  const std::string& text() const { return text_; }
  void setText(std::string text);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  Rect bounds() const { return bounds_; }
  void setBounds(Rect bounds);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color colour);
  Color backColor() const { return backColor_; }
  void setBackColor(Color colour) { backColor_ = colour; }
  const FontRef& font() const;  // the window's font unless one was set
  void setFont(FontRef font);
  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(std::string tip);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);
  Align align() const { return align_; }
  void setAlign(Align align) { align_ = align; }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }

  // The window's focus: the control takes it now if its window is the active one, and
  // when its window is activated again otherwise.
  void setFocus();
  bool hasFocus() const;
  // A press gives the focus to text fields and buttons.
  bool takesFocus() const;

  // What a screen reader is told: the control's role, its name (the text unless one was
  // set, with its access-key marker taken out), and whether it is the chosen one of a group.
  AccessibleRole accessibleRole() const { return role_; }
  void setAccessibleRole(AccessibleRole role) { role_ = role; }
  std::string accessibleName() const;
  void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  bool checked() const { return checked_; }
  void setChecked(bool checked);

  ControlPeer* peer() const { return peer_.get(); }
  Point screenToClient(Point screen) const;

  // Keys, for the control that has its window's focus.
  void onKey(KeyHandler handler) { key_ = std::move(handler); }
  void onKeyReleased(KeyReleaseHandler handler) { keyReleased_ = std::move(handler); }

  // Notifications, raised by the toolkit's input decisions through Toolkit::dispatch. The
  // defaults call the container's handlers; a custom control overrides them.
  virtual KeyResult keyPressed(const KeyEvent& event);
  virtual void keyReleased(const KeyEvent& event);
  virtual void accessKeyPressed() {}
  virtual void created() {}  // peer made, window loading
  virtual void resized() {}  // the size changed
  // The user changed the text (typing, pasting): the model follows without echoing back
  // to the peer.
  void textEdited(std::string text);

  // Text fields.
  int maxLength() const { return maxLength_; }
  void setMaxLength(int length);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  void selectAll() { setSelection(0, static_cast<int>(text_.size())); }
  void selectionEdited(int start, int length) { selStart_ = start; selLength_ = length; }

  // Pictures: the face painter.
  void setFace(FacePainter painter) { face_ = std::move(painter); }
  bool hasFace() const { return static_cast<bool>(face_); }
  void paintFace(Surface& surface) const { face_(surface); }
  // Custom controls: where the backend draws the text over the surface.
  Point textOrigin() const { return textOrigin_; }
  void setTextOrigin(Point origin);
  // Text fields: what a paste puts in, given what the clipboard holds.
  void onPaste(std::function<std::string(std::string)> filter) { paste_ = std::move(filter); }
  std::string pasted(std::string text) const { return paste_ ? paste_(std::move(text)) : text; }

  void createPeer(Toolkit& toolkit);
  void destroyPeer();

 protected:
  void changed(Prop what);

 private:
  Window& owner_;
  Kind kind_;
  std::string name_;
  Rect bounds_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  Color foreColor_;
  Color backColor_ = Rgb(240, 240, 240);
  FontRef font_;
  std::string tooltip_;
  Cursor cursor_ = Cursor::Default;
  Align align_ = Align::Left;
  bool wordWrap_ = false;
  bool tabStop_ = false;
  AccessibleRole role_;
  std::string accessibleName_;
  bool checked_ = false;
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
  Point textOrigin_;
  FacePainter face_;
  std::function<std::string(std::string)> paste_;
  KeyHandler key_;
  KeyReleaseHandler keyReleased_;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace morvane
