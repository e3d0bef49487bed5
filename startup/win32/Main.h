#pragma once
// The process entry: the two windows that exist before start-up, start-up itself, then the
// wizard and the message loop of the one GUI thread.

#include "startup/win32/ProgramRun.h"

namespace tarnwick {

// What exists before start-up: the message pump for long steps, the application window (caption
// "*", owner of the message boxes), the hidden main window, and the process's command line and
// program file.
void PrepareRun(ProgramRun& run);

// Runs the program from its first window to its end. Does not return to its caller: the process
// ends from within (start-up, the wizard, the finish actions) or when the message loop ends.
[[noreturn]] void RunProgram();

}  // namespace tarnwick
