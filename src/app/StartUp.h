#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CommandLineOutput;

// The toolkit's part of the start, given by an entry point: makes the
// toolkit's pieces (its application object, its dialog backend, which
// installs the platform's message boxes and keyboard state), calls
// `run_tool` while they exist, and returns after it.
using Toolkit = std::function<void(const std::function<void()>& run_tool)>;

// The tool's start, the same on every system: answers the command line (the
// arguments after the program's name) through `output` and ends, or enters
// the game folder, starts the graphics adapter's and the processor's
// measurements ahead, and runs the main window in `toolkit` until it closes.
// The status to end the process with.
int StartUp(const std::vector<std::string>& arguments, std::string_view version,
            CommandLineOutput& output, const Toolkit& toolkit);
