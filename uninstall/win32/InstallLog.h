#pragma once
// Writing the install log at the end of an installation, and reading the uninstaller's copy of it.
// The file's layout is in uninstall/InstallLog.h.

#include <string>

#include "package/RunState.h"
#include "package/SetupModel.h"
#include "uninstall/InstallLog.h"

namespace tarnwick {

// Writes the text to path, replacing an older file. False when the file cannot be created or
// written; nobody reports that: the uninstaller of such an installation finds no log.
bool SaveInstallLog(const std::string& path, const std::string& text);

// The log of this installation: `paths`, the InstallFolder and the LanguageIndex of `state`, saved
// to general setting 92 with its path tokens expanded. Empties `paths` afterwards, whatever the
// outcome. The log's folder exists already (the uninstall registration makes it).
bool WriteInstallLog(LoggedPaths& paths, const SetupModel& model, const RunState& state);

// One value of an INI-format log through the system's INI reader: the empty text when the file,
// the section or the key is missing; values longer than 4,095 characters are cut.
std::string ReadInstallLogValue(const std::string& path, const std::string& section, const std::string& key);

// Keys "0", "1" and "2" of section "s": the path count, the install folder and the language index.
void ReadLogStateValues(const std::string& path, std::string (&values)[3]);

}  // namespace tarnwick
