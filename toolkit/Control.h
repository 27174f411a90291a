// What every portable control shares: it holds its own state, forwards every change to its
// peer, and raises the container's events from the input router's notifications. Each kind
// (label, text field, line, picture, drawn control) is a small class of its own over this one
// and asks the backend for its own kind of peer.
#pragma once

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
  ~Control() override;

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
  const FontRef& font() const;  // the window's font unless one was set
  void setFont(FontRef font);
  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(std::string tip);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);
  Align align() const { return align_; }
  void setAlign(Align align) { align_ = align; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }

  // The window's focus: the control takes it now if its window is the active one, and
  // when its window is activated again otherwise.
  void setFocus();
  bool hasFocus() const;
  // Whether a press gives it the focus (text fields and drawn controls do), and whether it
  // takes input at all (a line is drawn on its window's face and takes none).
  bool takesFocus() const { return focusable() && visible_ && enabled_ && peer_; }
  virtual bool takesInput() const { return true; }

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
  // defaults call the container's handlers; a drawn control overrides them.
  virtual KeyResult keyPressed(const KeyEvent& event);
  virtual void keyReleased(const KeyEvent& event);
  // Whether Alt with the letter after "&" in its text reaches it (drawn controls: yes).
  virtual bool answersAccessKeys() const { return false; }
  virtual void accessKeyPressed() {}
  virtual void created() {}  // peer made, window loading
  virtual void resized() {}  // the size changed

  void createPeer(Toolkit& toolkit);
  void destroyPeer();

 protected:
  // A control of its kind, placed on its window (in tab order), with what a screen reader
  // calls it and whether Tab stops on it.
  Control(Window& owner, std::string name, Rect bounds, AccessibleRole role, bool tabStop);

  void changed(Prop what);
  // The text a kind keeps of what it is given (a text field, no more than its maximum).
  virtual std::string fitted(std::string text) const { return text; }
  // The program replaced the text (setText).
  virtual void textReplaced() {}
  // The model follows the user's edit without echoing it back to the peer.
  void setTextFromPeer(std::string text);

 private:
  virtual bool focusable() const { return false; }
  // The backend's peer for this kind of control.
  virtual std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) = 0;

  Window& owner_;
  std::string name_;
  Rect bounds_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  Color foreColor_;
  FontRef font_;
  std::string tooltip_;
  Cursor cursor_ = Cursor::Default;
  Align align_ = Align::Left;
  bool tabStop_;
  AccessibleRole role_;
  std::string accessibleName_;
  bool checked_ = false;
  KeyHandler key_;
  KeyReleaseHandler keyReleased_;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace morvane
