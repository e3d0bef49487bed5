#include "engine/win32/TokenValues.h"

#include <windows.h>
#include <shlobj.h>

#include "engine/win32/Registry.h"

namespace tarnwick {

namespace {

// Folder APIs give the folder without a trailing backslash; the token table wants one on these
// (the trailing-backslash rule then takes it off again, but token 17 cuts three characters).
std::string WithTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::string WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? WithTrailingBackslash(buffer) : std::string();
}

std::string SystemFolder() {
    char buffer[MAX_PATH + 1] = {};
    UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? WithTrailingBackslash(buffer) : std::string();
}

std::string TemporaryFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? WithTrailingBackslash(buffer) : std::string();
}

std::string ProgramFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string path(buffer, length);
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramFilesFolder() {
    std::string folder = SpecialFolderPath(FolderProgramFiles);
    if (!folder.empty()) return folder;
    std::string windows = WindowsFolder();
    return windows.empty() ? std::string() : windows.substr(0, 1) + ":\\Program Files";
}

std::string UserName() {
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    return GetUserNameA(buffer, &size) ? std::string(buffer) : std::string();
}

std::string ComputerName() {
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    return GetComputerNameA(buffer, &size) ? std::string(buffer) : std::string();
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The token table, before the trailing-backslash rule; numbers outside the short-form band.
std::string TokenValue(int number, const RunState& state) {
    if (number >= FirstRegistryVariableToken) return RegistryVariableValue(number, state.RegistryVariables);
    switch (number) {
    case 1: return ProgramFilesFolder();
    case 2: return WindowsFolder();
    case 3: return SystemFolder();
    case 4: return state.InstallFolder;
    case 5: return TemporaryFolder();
    case 6: return SpecialFolderPath(FolderDesktop);
    case 7: return QuickLaunchFolder();
    case 8: return SpecialFolderPath(FolderPrograms);
    case 9: return SpecialFolderPath(FolderStartMenu);
    case 10: return SpecialFolderPath(FolderPersonal);
    case 11: return SpecialFolderPath(FolderFavorites);
    case 12: return SpecialFolderPath(FolderSendTo);
    case 13: return SpecialFolderPath(FolderProfile);
    case 14: return SpecialFolderPath(FolderStartup);
    case 15: return SpecialFolderPath(FolderFonts);
    case 16: return SpecialFolderPath(FolderProgramFilesCommon);
    case 17: return WindowsFolder().substr(0, 3);  // the system drive with its backslash
    case 18: return ProgramFolder();
    case 20: return UserName();
    case 21: return state.SelectedLanguageName;
    case 22: return ComputerName();
    case 26: return SpecialFolderPath(FolderAppData);
    case 27: return SpecialFolderPath(FolderCommonAppData);
    case 28: return SpecialFolderPath(FolderCommonDesktop);
    case 29: return SpecialFolderPath(FolderCommonDocuments);
    case 30: return SpecialFolderPath(FolderCommonFavorites);
    case 31: return SpecialFolderPath(FolderCommonPrograms);
    case 32: return SpecialFolderPath(FolderCommonStartMenu);
    case 33: return SpecialFolderPath(FolderCommonStartup);
    case 34: return SpecialFolderPath(FolderTemplates);
    case 35: return SpecialFolderPath(FolderCommonTemplates);
    default: return std::string();  // 0, 19 (the volume number, replaced by the data archive only), 23..25, 36..40
    }
}

}  // namespace

std::string SpecialFolderPath(int csidl) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return std::string();
    char buffer[MAX_PATH + 1] = {};
    BOOL found = SHGetPathFromIDListA(items, buffer);
    CoTaskMemFree(items);
    return found ? std::string(buffer) : std::string();
}

std::string ShortPathForm(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string QuickLaunchFolder() {
    std::string folder =
        ReadRegistryString(1, "Software\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups", "Quick Launch");
    if (folder.empty()) folder = SpecialFolderPath(FolderAppData) + "\\Microsoft\\Internet Explorer\\Quick Launch";
    return IsFolder(folder) ? folder : std::string();
}

std::string ResolveToken(int number, const RunState& state) {
    if (IsShortFormToken(number)) {
        return WithoutTrailingBackslash(ShortPathForm(ResolveToken(BaseTokenNumber(number), state)));
    }
    return WithoutTrailingBackslash(TokenValue(number, state));
}

}  // namespace tarnwick
