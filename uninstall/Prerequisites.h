#pragma once
// The rules of the checks made before the wizard is shown: the Windows class and its mask, the
// .NET version numbers, and which window titles count as a running instance. The checks
// themselves, against the machine, are in uninstall/win32/PrerequisiteChecks.h.

#include <cstdint>
#include <string>

namespace tarnwick {

// Windows classes; bit number n of the allowed-Windows mask allows class n.
enum WindowsClassNumber : int {
    WindowsWin32s = 0,
    Windows95 = 1,
    Windows98 = 2,
    WindowsMe = 3,
    WindowsNT4 = 4,    // NT 4.0 and earlier
    Windows2000 = 5,
    WindowsXP = 6,     // XP and Server 2003
    WindowsVista = 7,  // Vista and later
};

// The class of a GetVersion result: its lowest byte is the major version, the next the minor one,
// and the top bit is set on the Windows 9x line (not NT).
int ClassifyWindowsVersion(uint32_t getVersionResult);

// True when windowsClass is 0..7 and its bit is set in the mask.
bool IsWindowsClassAllowed(uint8_t mask, int windowsClass);

// A version number as the setup script and the .NET policy key write it: an optional leading "-"
// negates, digits build the integer part, the first "." starts the fraction and a second "." ends
// the number (2.0.50727 is 2.0); "E" or "e" ends it after scaling by ten to the power of the decimal
// number that follows; every other character is skipped.
double ParseVersionNumber(const std::string& text);

// The version a subkey name of the .NET policy key stands for: names that start with "V" or "v" and
// hold a "." (V1.1, v2.0.50727); false for any other name (Upgrades, V3).
bool DotNetPolicyVersion(const std::string& subkeyName, double& version);

// The .NET decision: with `atLeast` the installed version must not be lower than the required one,
// without it the two must be equal (a newer Framework is refused too).
bool DotNetRequirementMet(double required, double installed, bool atLeast);

// Whether a window title counts when instances are found by part of their title: the searched text
// occurs in the title, in ASCII capitals, and the title does not hold "TARNWICK" (our own setup and
// uninstaller windows). An empty title or an empty searched text never counts.
bool TitleHoldsSearchedPart(const std::string& title, const std::string& searched);

}  // namespace tarnwick
