#pragma once

class ConfigDialog;

// The application object: keeps the tool from running twice (through
// platform::GetSingleInstance()), runs the main window modally and ends when
// that window closes.
class ConfigApp {
 public:
  // The name the running instance holds while its main window may exist.
  static constexpr const char* kAtomName = "QVConfigAppAtom";

  ConfigApp();
  ~ConfigApp();
  ConfigApp(const ConfigApp&) = delete;
  ConfigApp& operator=(const ConfigApp&) = delete;

  // Runs the whole tool and returns false, meaning the process ends: at once
  // when another instance already shows its window (which is asked to take
  // the focus), else when the main window has closed.
  bool InitInstance();

  // The main window while it runs, null otherwise.
  ConfigDialog* GetMainWindow() const { return m_main_window; }

 private:
  ConfigDialog* m_main_window = nullptr;
};
