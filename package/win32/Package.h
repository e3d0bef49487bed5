#pragma once
// Loading the package appended to the running program.

#include <string>

#include "package/PackageLoader.h"

namespace tarnwick {

// The running module's own path (GetModuleFileNameA).
std::string ProgramPath();

// Loads the package of the file at programPath, with its stream files in the TempFolder.
PackageLoadResult LoadPackageFile(const std::string& programPath, LoadedPackage& package);

// Loads the running program's own package; a missing or damaged package ends the process
// through FailCorrupted, so this returns only on success.
void LoadPackage(LoadedPackage& package);

// Cleans up the TempFolder, tells the user that the setup files are corrupted and ends the
// process with the corrupted-package exit code.
[[noreturn]] void FailCorrupted();

}  // namespace tarnwick
