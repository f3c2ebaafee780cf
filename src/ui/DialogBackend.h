#pragma once

#include <memory>

class Dialog;

namespace ui {

class DialogWindow;
struct DialogTemplate;

// What a user-interface toolkit implements to run the dialogs.
//
// How a backend delivers events to a Dialog (all on the one UI thread):
//   - a button pressed by the user: dialog.DispatchCommand(id, kClicked);
//     Enter presses the default push button; Escape and the close box send
//     DispatchCommand(platform::kIdCancel, kClicked), as Windows does;
//   - a list item chosen by the user: DispatchCommand(id, kSelectionChanged);
//   - a list about to open: DispatchCommand(id, kDropDown), before it opens;
//   - every keyboard message for the window or one of its controls goes first
//     to dialog.DispatchKey(message); when it returns true the message is
//     swallowed (no Enter, Escape, F1 or typing). The keyboard state is
//     updated before the filter runs, whether or not it swallows;
//   - F1 not swallowed: dialog.DispatchHelp();
//   - a timer: dialog.DispatchTimer(id);
//   - a paint of the window: dialog.DispatchPaint(context) after the
//     controls have been drawn.
// Nothing is delivered for changes made from code (texts, selections), nor
// to a disabled window or control.
//
// A backend installs, for its lifetime, everything it provides, each through
// its seam: itself (SetDialogBackend), message boxes and the keyboard state
// (platform::SetMessageBox, SetKeyboardState, the state kept in a
// KeyboardTracker), so that every layer reaches them the same one way.
// main.cpp creates the Qt backend, tests the scripted one.
class DialogBackend {
 public:
  DialogBackend() = default;
  virtual ~DialogBackend() = default;
  DialogBackend(const DialogBackend&) = delete;
  DialogBackend& operator=(const DialogBackend&) = delete;

  // Builds the window of a template, not yet shown, with its controls'
  // template states (texts, hidden, disabled, icons). `owner` is the window
  // that the modal loop disables, nullptr for none. Returns nullptr when the
  // window cannot be built.
  virtual std::unique_ptr<DialogWindow> CreateDialogWindow(Dialog& dialog,
                                                           const DialogTemplate& dialog_template,
                                                           DialogWindow* owner) = 0;
};

// The installed backend, else the real one.
DialogBackend& GetDialogBackend();
// Installs `backend` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
DialogBackend* SetDialogBackend(DialogBackend* backend);
// The framework without a toolkit: it builds no window, so DoModal fails.
DialogBackend& RealDialogBackend();

}  // namespace ui
