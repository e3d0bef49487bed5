#pragma once
// Run-wide state: set at start-up (and by the wizard) and read everywhere. One instance per run;
// tests build their own.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

struct RunState {
    bool IsInstaller = true;          // the package's mode flag
    bool SilentRun = false;           // setting 110 or "/S"
    bool NoCancel = false;            // "/NC"
    uint8_t LanguageIndex = 0;
    std::string SelectedLanguageName;
    bool LanguageConfirmed = false;   // the language dialog was confirmed
    std::string InstallFolder;        // from the destination page's folder edit
    std::vector<std::string> RegistryVariables;  // PathToken 81 + i
    int WindowsClass = 0;
    std::string LogCopyPath;          // uninstaller: TempFileName(11)
    std::string LogStateValues[3];    // uninstaller: keys "0", "1", "2" of section "s" of the log copy
    std::vector<int> PageSequence;
    int PagePosition = 0;
};

}  // namespace tarnwick
