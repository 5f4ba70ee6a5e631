// The program's start-up, event loop and shut-down, callable from more than one entry.
#pragma once

#include <functional>

class QWidget;

namespace aeon::app {

// Runs AEONARIUM and returns its exit code. `mainWindowShown`, when given, runs once the main
// window is shown (benchmarks hook in there).
int runProgram(int argc, char** argv,
               const std::function<void(QWidget&)>& mainWindowShown = nullptr);

}  // namespace aeon::app
