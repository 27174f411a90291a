// The input decisions for the keyboard and the windows: keys and characters, Tab order,
// access keys and window keys, activation, each window's remembered focus, close requests
// and modal dialogs.
#include <algorithm>
#include <cctype>

#include "toolkit/InputRouter.h"
#include "toolkit/Keys.h"
#include "toolkit/Window.h"

namespace morvane {

namespace {

char32_t Folded(char32_t character) {
  return character < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(character))) : character;
}

}  // namespace

// ---- Keys ------------------------------------------------------------------------------

// Keys go to the control that has the window's focus; with none, to the window itself.
Control* InputRouter::keyTarget(Window& window) const {
  Control* c = window.focused();
  return c && c->peer() && c->visible() ? c : nullptr;
}

// Tab and Shift+Tab move the focus along the window's tab order; the context-menu key and
// Shift+F10 belong to the window's context menu. Keys held with Alt are the window's menu keys
// and raise no key events.
KeyResult InputRouter::keyDown(Window& window, KeyEvent event) {
  if (!window.loaded()) return KeyResult::Handled;
  if (event.key == Key::Tab) {
    Window* w = &window;
    bool backwards = event.modifiers.shift;
    toolkit_.dispatch([w, backwards] {
      if (Control* next = w->nextTabStop(w->focused(), backwards)) next->setFocus();
    });
    return KeyResult::Handled;
  }
  if (IsContextMenuRequest(event.key, event.modifiers) && window.hasContextMenu()) {
    // Shift+F10 opens the menu on the way down, as the system's default handling does: Shift
    // is often let go before F10 comes up. The context-menu key waits for its release.
    if (event.key == Key::F10) {
      Window* w = &window;
      toolkit_.dispatch([w] { w->contextMenuRequested(); });
    }
    return KeyResult::Handled;
  }
  if (event.modifiers.menu()) return KeyResult::Ignored;
  Control* c = keyTarget(window);
  if (!c) return KeyResult::Ignored;
  KeyResult result = KeyResult::Ignored;
  toolkit_.dispatch([&] { result = c->keyPressed(event); });
  return c->peer() ? result : KeyResult::Handled;
}

// A character with Alt presses an access key (the letter after "&" in a caption) or, with
// none, a window key. Other characters: a window key, else the character event, which the
// window sees first when it previews keys; a handler that handles it keeps it from the rest.
KeyResult InputRouter::character(Window& window, char32_t character, Modifiers modifiers) {
  if (!window.loaded()) return KeyResult::Handled;
  if (character == kTabCharacter) return KeyResult::Handled;  // the Tab key's own character: it moved the focus
  if (modifiers.menu()) {
    if (accessKey(window, character) || windowKey(window, character, true)) return KeyResult::Handled;
    return KeyResult::Ignored;
  }
  if (windowKey(window, character, false)) return KeyResult::Handled;
  KeyResult result = KeyResult::Ignored;
  Control* c = keyTarget(window);
  toolkit_.dispatch([&] {
    if (window.keyPreview() || !c) {
      result = window.character(character);
      if (result == KeyResult::Handled || !window.loaded()) return;
    }
    if (c) result = c->character(character);
  });
  return window.loaded() ? result : KeyResult::Handled;
}

// The context-menu key opens the menu as it comes up, as the system's own context menus do: a
// menu opened on its way down would take the key's release for its own and close again.
void InputRouter::keyUp(Window& window, KeyEvent event) {
  if (!window.loaded()) return;
  if (event.key == Key::ContextMenu && IsContextMenuRequest(event.key, event.modifiers) && window.hasContextMenu()) {
    Window* w = &window;
    toolkit_.dispatch([w] { w->contextMenuRequested(); });
    return;
  }
  if (event.modifiers.menu()) return;
  Control* c = keyTarget(window);
  if (!c) return;
  toolkit_.dispatch([&] { c->keyReleased(event); });
}

bool InputRouter::accessKey(Window& window, char32_t character) {
  for (Control* c : window.controls()) {
    if (!c->answersAccessKeys() || !c->visible() || !c->enabled()) continue;
    const std::string& caption = c->text();
    auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
    if (Folded(static_cast<unsigned char>(caption[amp + 1])) != Folded(character)) continue;
    toolkit_.dispatch([c] { c->accessKeyPressed(); });
    return true;
  }
  return false;
}

bool InputRouter::windowKey(Window& window, char32_t character, bool menu) {
  for (const Window::Shortcut& key : window.keys()) {
    if (key.alt != menu) continue;
    if (menu ? Folded(key.character) != Folded(character) : key.character != character) continue;
    if (key.available && !key.available()) continue;
    auto action = key.action;
    toolkit_.dispatch([&action] { action(); });
    return true;
  }
  return false;
}

// ---- Activation, focus and modal dialogs -----------------------------------------------

// The window's own handler hears of it first; then an active window that is not minimized
// gets its remembered focus back.
void InputRouter::activationChanged(Window& window, Activation activation) {
  bool active = activation.active();
  if (active) {
    active_ = &window;
    activeMinimized_ = activation.minimized;
  } else if (active_ == &window) {
    active_ = nullptr;
  }
  if (!window.loaded()) return;
  toolkit_.dispatch([&window, activation] { window.activationChanged(activation); });
  if (active && !activation.minimized && active_ == &window && window.loaded()) restoreFocus(window, true);
}

// A control's focus is remembered by its window: losing it to another application keeps
// the memory, and only another control of the window taking the focus changes it. The window
// itself taking the focus passes it on to the remembered control.
void InputRouter::focusChanged(Window& window, Control* control, bool gained) {
  if (!gained || !window.loaded()) return;
  if (control) {
    window.setFocused(control);
  } else if (active_ == &window) {
    restoreFocus(window, false);
  }
}

// On activation: the remembered control, else the first in the tab order, else the window
// itself. When the window itself took the focus: the remembered control only.
void InputRouter::restoreFocus(Window& window, bool activated) {
  Control* c = window.focused();
  if (c && !c->takesFocus()) c = nullptr;
  if (!c && activated) c = window.nextTabStop(nullptr, false);
  if (c) {
    toolkit_.dispatch([c] { c->setFocus(); });
  } else if (activated && window.peer()) {
    window.peer()->focusSelf();
  }
}

void InputRouter::closeRequested(Window& window) {
  if (!window.loaded()) return;
  toolkit_.dispatch([&window] { window.closeRequested(); });
}

// While a dialog is up the program's other windows take no input. Its owner is the window
// that was active when it opened.
void InputRouter::beginModal(Window& dialog) {
  Modal modal{&dialog, active_ != &dialog ? active_ : nullptr, {}};
  for (Window* other : toolkit_.loadedWindows()) {
    if (other == &dialog || !other->inputEnabled()) continue;
    other->setInputEnabled(false);
    modal.disabled.push_back(other);
  }
  modals_.push_back(std::move(modal));
}

// Before the dialog goes, its owner takes input again and, if the dialog was the active
// window, becomes the active window: otherwise the system would hand activation to some
// other application's window while the owner is still disabled.
void InputRouter::endModal(Window& dialog) {
  auto it = std::find_if(modals_.begin(), modals_.end(), [&](const Modal& m) { return m.dialog == &dialog; });
  if (it == modals_.end()) return;
  Modal modal = std::move(*it);
  modals_.erase(it);
  for (Window* w : modal.disabled) w->setInputEnabled(true);
  Window* owner = modal.owner;
  if (owner && active_ == &dialog && owner->loaded() && owner->visible() && owner->peer()) owner->peer()->activate();
}

}  // namespace morvane
