#pragma once

namespace ui::qt {

// True on the thread of the application object, when it is a QApplication:
// the only thread that may show windows.
bool OnUserInterfaceThread();

}  // namespace ui::qt
