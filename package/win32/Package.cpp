#include "package/win32/Package.h"

#include <windows.h>

#include "base/ExitCodes.h"
#include "base/win32/MessageBoxOwner.h"
#include "package/win32/TempFolder.h"

namespace tarnwick {

std::string ProgramPath() {
    char buffer[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string();
}

PackageLoadResult LoadPackageFile(const std::string& programPath, LoadedPackage& package) {
    auto file = FileStream::Open(programPath, FileStream::Mode::Read);
    if (!file) {
        // An unreadable program file reads as one without a package.
        MemoryStream nothing;
        return LoadPackageFrom(nothing, TempFolder(), package);
    }
    return LoadPackageFrom(*file, TempFolder(), package);
}

void LoadPackage(LoadedPackage& package) {
    if (LoadPackageFile(ProgramPath(), package) != PackageLoadResult::Loaded) FailCorrupted();
}

void FailCorrupted() {
    CleanupTempFolder();
    MessageBoxA(MessageBoxOwner(), "The setup files are corrupted. Please obtain a new copy of the program.",
                "Error", MB_ICONERROR);
    ExitProcess(ExitCorruptedPackage);
}

}  // namespace tarnwick
