#pragma once
// Exit codes of the runtime, so that a script running a silent setup can tell what happened.

namespace tarnwick {

enum ExitCode : int {
    ExitNormal = 0,             // done, finished, "test" run, or the uninstaller's relaunching process
    ExitCancelled = 1,          // the user cancelled (close confirmed, language dialog cancelled)
    ExitCorruptedPackage = 2,   // the package is damaged
    ExitRefused = 3,            // a prerequisite check refused the machine
    ExitDiskPromptCancelled = 4,
    ExitNoInstallLog = 5,       // the uninstaller found no install log to work from
};

}  // namespace tarnwick
