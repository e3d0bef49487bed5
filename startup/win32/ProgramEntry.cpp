// The process entry of the runtime.

#include <windows.h>

#include "base/ExitCodes.h"
#include "package/win32/Package.h"
#include "package/win32/TempFolder.h"

using namespace tarnwick;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateTempFolder();
    LoadedPackage package;
    LoadPackage(package);
    CleanupTempFolder();
    return ExitNormal;
}
