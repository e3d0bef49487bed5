#pragma once
// The checks made before the wizard is shown, against the running machine. They show nothing
// themselves; start-up turns their results into refusals.

#include <windows.h>

#include <string>

#include "package/RunState.h"
#include "package/SetupModel.h"
#include "uninstall/Prerequisites.h"

namespace tarnwick {

// The class 0..7 of the running Windows, worked out from GetVersion on the first call and kept for
// the rest of the process.
int WindowsClass();
// True when the mask's bit for WindowsClass() is set.
bool IsWindowsClassAllowed(uint8_t mask);

// Whether the user belongs to BUILTIN\Administrators: through AdministratorCheck, which is
// TokenHoldsAdministrators unless a test has put another function there.
bool IsUserAdministrator();
// The real check: the thread's token (or else the process's) lists the Administrators group, in
// whatever state (a deny-only entry counts too). False when the token cannot be read.
bool TokenHoldsAdministrators();
// A seam for tests of start-up, which cannot make the Wine user anything but an administrator.
extern bool (*AdministratorCheck)();
// The group test on its own: the first group whose SID is S-1-5-32-544 answers yes.
bool GroupsHoldAdministrators(const TOKEN_GROUPS& groups);

// The highest version among the subkeys of the .NET policy key (HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\.NETFramework\policy") whose names start with "V" and hold a "."; 0 when
// there is none or the key cannot be read.
double InstalledDotNetVersion();
// The same rule over the subkeys of any key (the tests plant theirs elsewhere too).
double HighestDotNetVersion(HKEY root, const std::string& keyPath);

// The last top-level window, in enumeration order, whose title holds the searched text in ASCII
// capitals and not "TARNWICK"; null when there is none or the searched text is empty.
HWND FindWindowByTitlePart(const std::string& searched);

// Asks the running instances of the application to close (WM_CLOSE, posted; nothing waits). The
// title and the way titles are matched come from the settings of the run mode: 104 and 105 for a
// setup, 97 and 108 for an uninstaller. The program's own two windows are never asked; the search
// ends when nothing is found or the same window is found twice in a row.
void CloseRunningInstances(HWND applicationWindow, HWND mainWindow, const SetupModel& model, const RunState& state);

}  // namespace tarnwick
