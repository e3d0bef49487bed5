// The program's start-up with a report where the wizard would begin. A test appends a package to
// a copy of this program and runs it as the runtime would run: the same windows, the same
// start-up, the same process ends. Settings of the probe itself come from its environment:
//
//   TARNWICK_PROBE_REPORT             file that receives "name=value" lines once start-up returns
//   TARNWICK_PROBE_NOT_ADMINISTRATOR  when set, the administrator check answers no
//   TARNWICK_PROBE_HOLD               when set, the windows stay up (messages handled) until the
//                                     test ends the probe, at most 60 s

#include <windows.h>

#include <fstream>
#include <string>

#include "package/win32/TempFolder.h"
#include "startup/win32/Main.h"
#include "startup/win32/StartUp.h"
#include "uninstall/win32/PrerequisiteChecks.h"
#include "widgets/MessageLoop.h"

using namespace tarnwick;

namespace {

std::string Environment(const char* name) {
    char value[1024] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string WindowCaption(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void WriteReport(const ProgramRun& run, const std::string& path) {
    const RunState& state = run.State;
    std::string arguments;
    for (const std::string& argument : run.Command.Arguments) arguments += "[" + argument + "]";
    char folder[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    std::ofstream report(path, std::ios::binary | std::ios::trunc);
    report << "IsInstaller=" << state.IsInstaller << "\n"
           << "SilentRun=" << state.SilentRun << "\n"
           << "LanguageIndex=" << int(state.LanguageIndex) << "\n"
           << "SelectedLanguageName=" << state.SelectedLanguageName << "\n"
           << "LanguageConfirmed=" << state.LanguageConfirmed << "\n"
           << "Message1=" << run.Model.Message(1) << "\n"
           << "ApplicationCaption=" << WindowCaption(run.Application.Handle()) << "\n"
           << "ApplicationVisible=" << (IsWindowVisible(run.Application.Handle()) != FALSE) << "\n"
           << "MainCaption=" << WindowCaption(run.Main.Handle()) << "\n"
           << "MainVisible=" << run.Main.Visible() << "\n"
           << "Arguments=" << arguments << "\n"
           << "ProgramFile=" << run.ProgramFile << "\n"
           << "CurrentFolder=" << folder << "\n"
           << "LogCopyPath=" << state.LogCopyPath << "\n"
           << "LogState0=" << state.LogStateValues[0] << "\n"
           << "LogState1=" << state.LogStateValues[1] << "\n"
           << "LogState2=" << state.LogStateValues[2] << "\n"
           << "End=1\n";
}

}  // namespace

int main() {
    if (!Environment("TARNWICK_PROBE_NOT_ADMINISTRATOR").empty()) AdministratorCheck = [] { return false; };
    static ProgramRun run;
    PrepareRun(run);
    StartUp(run);

    const std::string report = Environment("TARNWICK_PROBE_REPORT");
    if (!report.empty()) WriteReport(run, report);
    if (!Environment("TARNWICK_PROBE_HOLD").empty()) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 60000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            ProcessPendingMessages();
        }
    }
    CleanupTempFolder();
    return 0;
}
