#pragma once
// The start-up sequence: from a program with its two windows to a complete setup model, a chosen
// language and a configured background, or the end of the process. The decisions it applies are
// in startup/StartUpRules.h.
//
// Every end of start-up has its own exit code (base/ExitCodes.h): "test" run 0, corrupted
// package 2, refusal 3, language dialog cancelled 1, the uninstaller's first process 0 after the
// relaunch, the relaunched uninstaller without its log copy 5.

#include "base/ExitCodes.h"
#include "startup/win32/ProgramRun.h"

namespace tarnwick {

// Runs start-up for `run`, whose windows exist (hidden) and whose Command and ProgramFile are
// set. Returns in either mode with the model complete and the language chosen; in a setup the
// background is shown or hidden as configured. Every other outcome ends the process.
void StartUp(ProgramRun& run);

// The uninstaller's first process: copies the program into the temporary folder and the install
// log named in the registry to the log copy, starts the copy with "end" and the arguments, ends.
[[noreturn]] void RelaunchUninstaller(ProgramRun& run);

// Removes the run's temporary files and ends the process with the code.
[[noreturn]] void StopStartUp(ExitCode code);

}  // namespace tarnwick
