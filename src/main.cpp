// The configuration tool on Linux: the Qt toolkit's pieces, handed to the
// start-up that both systems share. A console program: the command line's
// answers and errors go to its standard streams.
#include <QApplication>

#include <algorithm>
#include <clocale>
#include <iostream>

#include "app/ConsoleOutput.h"
#include "app/StartUp.h"
#include "ui/qt/QtDialogBackend.h"

int main(int argc, char** argv) {
  const auto qt = [&](const std::function<void()>& run_tool) {
    // The command line is the tool's alone: the toolkit gets the program name only.
    int toolkit_argc = argc > 0 ? 1 : 0;
    QApplication application(toolkit_argc, argv);
    // The installed desktop entry's name, so that task bars show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QV_APP_ID));
    // The toolkit takes the locale from the environment; numbers in files and
    // logs must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    // Also the platform's message boxes, keyboard state and the
    // single-instance channel's event loop and window answers.
    ui::qt::QtDialogBackend backend;
    run_tool();
  };
  ConsoleOutput output(std::cout, std::cerr);
  return StartUp({argv + std::min(argc, 1), argv + argc}, QV_VERSION, output, qt);
}
