#pragma once

#include <optional>

enum class Opening { kCold, kWarm };
enum class PadSetup { kNoPads, kTwoPads };

// Runs the tool's window machinery on Qt in this process (a QApplication,
// the Qt dialog backend, the program's resources, a default settings
// record, the real gamepad system), opens the controller window from a host
// window as the main window's Configure button does, and returns the
// milliseconds from the window's construction to its first paint: of the
// first opening for kCold, of the second for kWarm. Nothing when the window
// could not be opened.
std::optional<double> TimeControllerOpening(int& argc, char** argv, Opening opening, PadSetup pads);
