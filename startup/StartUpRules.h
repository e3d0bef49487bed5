#pragma once
// The decisions of start-up that need no window and no machine: the first-argument words, the
// uninstaller's relaunch, the refusal texts, and where the language comes from. The sequence that
// applies them is startup/win32/StartUp.h.

#include <cstdint>
#include <string>

#include "package/RunState.h"
#include "package/SetupModel.h"
#include "startup/CommandLine.h"

namespace tarnwick {

// General settings start-up reads.
enum StartUpSetting : int {
    DotNetDownloadSetting = 2,
    UninstallKeySetting = 55,
    AllowedWindowsSetting = 61,
    UnsupportedWindowsSetting = 62,
    UninstallerCloseInstancesSetting = 64,
    SetupTitleSetting = 65,
    UninstallTitleSetting = 75,
    DotNetAtLeastSetting = 85,
    UninstallerPathSetting = 91,
    RequireAdministratorSetting = 99,
    DotNetVersionSetting = 100,
    DotNetRefusalTextSetting = 102,
    SetupCloseInstancesSetting = 103,
    SilentSetting = 110,
};

constexpr int UnsupportedWindowsMessage = 52;
// The uninstaller's working copy of the install log: this number's file in the TempFolder.
constexpr int LogCopyFileNumber = 11;

// The program's own refusal text; it is not translated.
constexpr const char* AdministratorRefusalText =
    "You must be logged in as an administrator when installing this program.";
// Started by the first argument "test", relative to the current folder.
constexpr const char* BuilderProgramPath = "..\\twk.exe";

// The first argument "test" (exactly, case-sensitive): start the builder and end.
bool IsBuilderTestRun(const CommandLine& commandLine);
// The first argument "end" (exactly): this uninstaller is the relaunched copy.
bool IsRelaunchedUninstaller(const CommandLine& commandLine);

// The relaunched copy's parameters: " end", then " " and each argument as it was parsed (outer
// quotes gone, none added back, so an argument that held a space arrives as two).
std::string RelaunchParameters(const CommandLine& commandLine);

// Where the uninstaller copies itself: the file name part of its expanded path (setting 91),
// directly in the temporary folder (tempPath ends with its backslash).
std::string UninstallerCopyPath(const std::string& tempPath, const std::string& uninstallerPath);

// The uninstall key under HKEY_LOCAL_MACHINE whose value "LogFileName" names the install log.
std::string UninstallKeyPath(const SetupModel& model);

// The caption of both windows: setting 65 for a setup, 75 for an uninstaller (tokens unexpanded).
const std::string& ApplicationTitleSetting(const SetupModel& model, bool isInstaller);

// The Windows refusal: message 52 of the current messages directly followed by setting 62.
std::string UnsupportedWindowsText(const SetupModel& model);
// The low byte of setting 61.
uint8_t AllowedWindowsMask(const SetupModel& model);

// Whether the installed .NET version refuses the machine; false when setting 100 asks for none.
bool DotNetRefused(const SetupModel& model, double installedVersion);

// Where the setup's language comes from once the messages are parsed and "/L=" was matched.
enum class LanguageSource {
    Single,       // one language (or none): language 0, whatever "/L=" said
    CommandLine,  // several languages, "/L=" named one: state.LanguageIndex
    Dialog,       // several languages and no preset: the user chooses
};
LanguageSource ChooseLanguageSource(const SetupModel& model, const RunState& state);

// Makes `index` the run's language: LanguageIndex, SelectedLanguageName and the MessageTable.
void ApplyLanguage(int index, SetupModel& model, RunState& state);

// The uninstaller's language from key "2" of its log copy, read like SettingNumber. A value that
// names no language of the setup (not a number, negative, past the list) gives language 0, so an
// old or damaged log never leaves the uninstaller without messages.
int LanguageFromLog(const std::string& value, const SetupModel& model);

}  // namespace tarnwick
