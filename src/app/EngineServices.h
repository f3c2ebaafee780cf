#pragma once

// Every lifetime of the four engine services, each reached through its own
// process-wide pointer:
//
//   service        created when the main window opens   destroyed
//   ErrorReporter  1st                                   with the main window, 2nd
//   Log            2nd                                   with the main window, 1st
//   DeviceManager  3rd                                   at the end of the process
//   GameSettings   4th (with its defaults)               at the end of the process
//
// Nothing else creates or deletes them; tests that open the main window
// release them through here too.
class EngineServices {
 public:
  // Creates, in the order above, each service whose pointer is still null.
  static void Create();

  // The main window is destroyed: the log, then the error reporter.
  static void ReleaseWindowServices();

  // The process ends: the settings, then the device manager. Tests call it
  // to open the main window again as a new process would.
  static void ReleaseProcessServices();
};
