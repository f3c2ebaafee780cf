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
// Message boxes and the keyboard state are not asked of the backend: it
// installs them through platform::SetMessageBox and SetKeyboardState for its
// lifetime (the keyboard state kept in a KeyboardTracker), so that every
// layer reaches them the same one way.
//
// Creating a backend installs it as the process-wide one; destroying it
// removes it. main.cpp creates the Qt backend, tests the scripted one.
class DialogBackend {
 public:
  static DialogBackend* s_instance;

  DialogBackend();
  virtual ~DialogBackend();
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

}  // namespace ui
