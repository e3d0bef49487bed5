#pragma once
// The run's temporary folder "$inst" under the user's temporary path, and its numbered files.

#include <string>

namespace tarnwick {

// The user's temporary path (GetTempPathA) with a trailing backslash.
std::string UserTempPath();
// UserTempPath() + "$inst\".
std::string TempFolder();
// TempFolder() + n + ".tmp".
std::string TempFileName(int n);
// Creates the TempFolder with its missing parents; failure is not reported.
void CreateTempFolder();
// Deletes 0.tmp .. 12.tmp and removes the folder when it is then empty. Later numbers (13 and up),
// "compfile.tmp" and anything else in the folder stay.
void CleanupTempFolder();

}  // namespace tarnwick
