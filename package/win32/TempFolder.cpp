#include "package/win32/TempFolder.h"

#include <windows.h>

#include "package/PackageLoader.h"

namespace tarnwick {

std::string UserTempPath() {
    char buffer[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof buffer, buffer);
    std::string path = (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string();
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

std::string TempFolder() { return UserTempPath() + "$inst\\"; }

std::string TempFileName(int n) { return TempFileNameIn(TempFolder(), n); }

void CreateTempFolder() {
    // Folder part of TempFileName(0): up to and including its last separator.
    std::string file = TempFileName(0);
    std::string folder = file.substr(0, file.find_last_of("\\/:") + 1);
    // Create each missing level in turn, from the root down.
    for (size_t i = 0; i < folder.size(); ++i) {
        if ((folder[i] == '\\' || folder[i] == '/') && i > 0 && folder[i - 1] != ':') {
            CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
        }
    }
}

void CleanupTempFolder() {
    for (int n = 0; n <= 12; ++n) DeleteFileA(TempFileName(n).c_str());
    RemoveDirectoryA(TempFolder().c_str());
}

}  // namespace tarnwick
