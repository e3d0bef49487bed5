#include "startup/win32/ProgramArguments.h"

#include <windows.h>
#include <shellapi.h>

namespace tarnwick {

CommandLine ProcessCommandLine() {
    CommandLine commandLine;
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) commandLine.ProgramPath.assign(path, length);
    const char* raw = GetCommandLineA();
    commandLine.Arguments = SplitArguments(raw ? raw : "");
    return commandLine;
}

std::string ShellDisplayName(const std::string& path) {
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return std::string();
    return info.szDisplayName;
}

void ParseOptions(const CommandLine& commandLine, SetupModel& model, RunState& state) {
    ParseOptions(commandLine, model, state, &ShellDisplayName);
}

}  // namespace tarnwick
