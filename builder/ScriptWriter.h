#pragma once
// Writing the setup script: the 121 general settings, the record lists, the languages and their
// messages, as one sequence of NUL-ended texts.
//
// A test or a project starts from DefaultSetupScript() and states only what it cares about:
//
//   SetupScriptSpec spec = DefaultSetupScript();
//   spec.Settings[58] = "@$&%01\\Other";
//   spec.Files.push_back({"@$&%04\\readme.txt"});
//   spec.Languages.push_back({"Deutsch", "1031", germanMessages});
//   std::vector<uint8_t> script = WriteSetupScript(spec);
//
// The writer derives the settings that must agree with the lists, unless KeepSettings names them:
// the record counts (20, 24, 25, 26, 31, 40, 45, 50, 54, 67, 96, 98), the progress steps (48) and,
// last of all, the integrity code (35) of settings 0..34.

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "builder/ScriptRecords.h"
#include "package/SetupModel.h"

namespace tarnwick {

struct LanguageSpec {
    std::string Name;                   // shown in the language dialog, matched by "/L="
    std::string LanguageId = "1033";    // LANGID in decimal
    std::vector<std::string> Messages;  // message n at [n - 1]; at most 84, missing ones are empty
};

using GeneralSettingArray = std::array<std::string, GeneralSettingCount>;

struct SetupScriptSpec {
    GeneralSettingArray Settings;       // by index, as the runtime reads them

    std::vector<RegistryVariableRecord> RegistryVariables;  // token 81 + i
    std::vector<RegistryEntryRecord> RegistryEntries;
    std::vector<UninstallRegistryRecord> UninstallRegistry;
    std::vector<FontRecord> Fonts;
    std::vector<ShortcutRecord> Shortcuts;
    std::vector<FileRecord> Files;
    std::vector<RunProgramRecord> InstallPrograms;    // the run-program list's first part (setting 40)
    std::vector<RunProgramRecord> UninstallPrograms;  // its second part (setting 25)
    std::vector<IniEntryRecord> IniEntries;
    std::vector<UninstallFileRecord> UninstallFiles;
    std::vector<ComServerRecord> ComServers;
    std::vector<LanguageSpec> Languages;              // the first is the default language

    // Derived settings written exactly as Settings holds them: damaged counts, a wrong integrity
    // code, a progress maximum of the test's choosing.
    std::set<int> KeepSettings;
};

// The name the default setup installs; its messages speak of it.
constexpr const char* DefaultApplicationName = "Demo Application";

// A small, complete setup of `application`: title, folder, group, uninstall information, welcome,
// destination, start-menu, ready and finish pages, one language "English". No lists.
SetupScriptSpec DefaultSetupScript(const std::string& application = DefaultApplicationName);

// The 84 English messages (message n at [n - 1]) of a setup of `application`.
std::vector<std::string> EnglishMessages(const std::string& application = DefaultApplicationName);
LanguageSpec EnglishLanguage(const std::string& application = DefaultApplicationName);

// Adds the registry entries that list the application among the installed programs (display name
// and uninstall command under the key of setting 55), removed again at uninstall.
void AddUninstallEntries(SetupScriptSpec& spec);

// The settings as they will be written, derived ones filled in.
GeneralSettingArray FinalSettings(const SetupScriptSpec& spec);

// Every text of the script in order. Throws std::invalid_argument for a text holding a NUL byte
// or a language with more than 84 messages: neither can be written.
std::vector<std::string> ScriptTexts(const SetupScriptSpec& spec);

// Each text followed by its NUL byte. Tests use it to write scripts the builder would not.
std::vector<uint8_t> JoinScriptTexts(const std::vector<std::string>& texts);

// The script bytes: JoinScriptTexts(ScriptTexts(spec)).
std::vector<uint8_t> WriteSetupScript(const SetupScriptSpec& spec);

}  // namespace tarnwick
