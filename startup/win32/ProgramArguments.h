#pragma once
// The running program's command line, and the options read with the shell's help.

#include <string>

#include "startup/CommandLine.h"

namespace tarnwick {

// The process's command line split into arguments; argument 0 is the module's own path.
CommandLine ProcessCommandLine();

// The name the shell displays for an existing file or folder (SHGetFileInfoA, SHGFI_DISPLAYNAME);
// the empty text when the shell gives none.
std::string ShellDisplayName(const std::string& path);

// ParseOptions with the "/P=" value turned into its long form through the shell's display names.
void ParseOptions(const CommandLine& commandLine, SetupModel& model, RunState& state);

}  // namespace tarnwick
