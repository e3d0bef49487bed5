#include "startup/win32/Main.h"

#include <windows.h>

#include "base/ExitCodes.h"
#include "base/MessagePump.h"
#include "base/win32/MessageBoxOwner.h"
#include "package/win32/Package.h"
#include "package/win32/TempFolder.h"
#include "startup/win32/ProgramArguments.h"
#include "startup/win32/StartUp.h"
#include "widgets/MessageLoop.h"

namespace tarnwick {

void PrepareRun(ProgramRun& run) {
    InstallMessagePump(&ProcessPendingMessages);
    CreateApplicationWindow(run.Application);
    SetMessageBoxOwner(run.Application.Handle());
    run.Main.Create(run.Application, run.Model, run.State);
    run.Command = ProcessCommandLine();
    run.ProgramFile = ProgramPath();
}

void RunProgram() {
    // Lives until the process ends: the windows and everything that is handed to the wizard.
    static ProgramRun run;
    PrepareRun(run);
    StartUp(run);

    // ---- Wizard hand-over --------------------------------------------------------------------
    // Start-up has returned: the setup model is complete (run.Model, with run.Package's pictures
    // and the stream files in the TempFolder), the language is chosen (run.State), the background
    // is configured (run.Main) and the application window carries the title. Here the wizard will
    // be built with run.Application as its owner, declared the main form, handed to
    // run.Main.SetWizardWindow, initialised, and the message loop run. Until then the run ends
    // normally at this point.
    CleanupTempFolder();
    ExitProcess(ExitNormal);
    // ---- End of the wizard hand-over ---------------------------------------------------------
}

}  // namespace tarnwick
