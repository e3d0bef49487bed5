#pragma once
// Everything one run of the program holds from its start to its end: the command line, the
// package with the setup model, the run-wide state and the two windows that exist before the
// wizard. One instance per process (the windows keep pointers into it, so it never moves).

#include <string>

#include "package/PackageLoader.h"
#include "package/RunState.h"
#include "package/SetupModel.h"
#include "startup/CommandLine.h"
#include "ui/win32/MainWindow.h"
#include "widgets/ApplicationWindow.h"

namespace tarnwick {

struct ProgramRun {
    ProgramRun() = default;
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    CommandLine Command;       // argument 0 is the program's own path
    std::string ProgramFile;   // the file whose package is loaded: the program itself
    LoadedPackage Package;     // the setup script stream and the wizard's pictures
    SetupModel Model;
    RunState State;
    ApplicationWindow Application;  // taskbar button and title; owner of forms and message boxes
    MainWindow Main;                // the background window
};

}  // namespace tarnwick
