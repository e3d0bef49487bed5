// Reports the Windows class of a fresh process, for the tests that switch Wine's Windows version.
// Arguments: an allowed-Windows mask in decimal, then "print" to print the GetVersion result and the
// answers. Exits with the class plus 16 when the mask allows it.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "uninstall/win32/PrerequisiteChecks.h"

int main(int argc, char** argv) {
    const uint8_t mask = static_cast<uint8_t>(argc > 1 ? std::atoi(argv[1]) : 255);
    const int windowsClass = tarnwick::WindowsClass();
    const bool allowed = tarnwick::IsWindowsClassAllowed(mask);
    if (argc > 2 && std::string(argv[2]) == "print") {
        std::printf("GetVersion=%08lX class=%d mask=%u allowed=%d\n", static_cast<unsigned long>(GetVersion()), windowsClass,
                    mask, allowed ? 1 : 0);
    }
    return windowsClass + (allowed ? 16 : 0);
}
