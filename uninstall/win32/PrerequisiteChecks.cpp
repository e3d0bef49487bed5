#include "uninstall/win32/PrerequisiteChecks.h"

#include <vector>

namespace tarnwick {

namespace {

// Settings that say how running instances are found.
constexpr int InstallerTitleSetting = 104;
constexpr int InstallerByPartSetting = 105;
constexpr int UninstallerTitleSetting = 97;
constexpr int UninstallerByPartSetting = 108;

constexpr char DotNetPolicyKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy";

// The token's group list, however long it is; empty when it cannot be read.
std::vector<BYTE> ReadTokenGroups(HANDLE token) {
    DWORD needed = 0;
    GetTokenInformation(token, TokenGroups, nullptr, 0, &needed);
    // A domain user's list easily outgrows a fixed buffer, so it is sized from the token.
    std::vector<BYTE> buffer(needed);
    if (needed < sizeof(TOKEN_GROUPS) || !GetTokenInformation(token, TokenGroups, buffer.data(), needed, &needed)) {
        return {};
    }
    return buffer;
}

struct TitleSearch {
    const std::string* searched;
    HWND found;
};

BOOL CALLBACK TakeMatchingWindow(HWND window, LPARAM parameter) {
    TitleSearch& search = *reinterpret_cast<TitleSearch*>(parameter);
    char title[1024] = {};
    GetWindowTextA(window, title, sizeof title);
    if (TitleHoldsSearchedPart(title, *search.searched)) search.found = window;  // the last one taken wins
    return TRUE;
}

}  // namespace

bool (*AdministratorCheck)() = &TokenHoldsAdministrators;

int WindowsClass() {
    static const int windowsClass = ClassifyWindowsVersion(GetVersion());
    return windowsClass;
}

bool IsWindowsClassAllowed(uint8_t mask) { return IsWindowsClassAllowed(mask, WindowsClass()); }

bool IsUserAdministrator() { return AdministratorCheck(); }

bool TokenHoldsAdministrators() {
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
        if (GetLastError() != ERROR_NO_TOKEN || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    }
    std::vector<BYTE> groups = ReadTokenGroups(token);
    CloseHandle(token);
    return !groups.empty() && GroupsHoldAdministrators(*reinterpret_cast<const TOKEN_GROUPS*>(groups.data()));
}

bool GroupsHoldAdministrators(const TOKEN_GROUPS& groups) {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  &administrators)) {
        return false;
    }
    bool found = false;
    for (DWORD i = 0; i < groups.GroupCount && !found; ++i) found = EqualSid(groups.Groups[i].Sid, administrators) != FALSE;
    FreeSid(administrators);
    return found;
}

double InstalledDotNetVersion() { return HighestDotNetVersion(HKEY_LOCAL_MACHINE, DotNetPolicyKey); }

double HighestDotNetVersion(HKEY root, const std::string& keyPath) {
    // Opened for reading only: listing subkeys needs no more, and a missing key is not created.
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    DWORD longest = 0;
    double highest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr) == ERROR_SUCCESS) {
        std::vector<char> name(longest + 1);
        for (DWORD i = 0; i < count; ++i) {
            DWORD length = static_cast<DWORD>(name.size());
            if (RegEnumKeyExA(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
            double version = 0;
            if (DotNetPolicyVersion(std::string(name.data(), length), version) && version > highest) highest = version;
        }
    }
    RegCloseKey(key);
    return highest;
}

HWND FindWindowByTitlePart(const std::string& searched) {
    TitleSearch search{&searched, nullptr};
    if (!searched.empty()) EnumWindows(&TakeMatchingWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CloseRunningInstances(HWND applicationWindow, HWND mainWindow, const SetupModel& model, const RunState& state) {
    const std::string& title = model.SettingText(state.IsInstaller ? InstallerTitleSetting : UninstallerTitleSetting);
    const bool byPart = model.SettingFlag(state.IsInstaller ? InstallerByPartSetting : UninstallerByPartSetting);
    // An empty exact title would find any untitled top-level window of any program.
    if (title.empty()) return;
    // A window that has not closed yet, or one of our own, is found again: that ends the search. It
    // then has its WM_CLOSE a second time, as each search that finds a foreign window posts one.
    HWND previous = nullptr;
    for (;;) {
        HWND current = byPart ? FindWindowByTitlePart(title) : FindWindowA(nullptr, title.c_str());
        if (current && current != applicationWindow && current != mainWindow) PostMessageA(current, WM_CLOSE, 0, 0);
        if (!current || current == previous) break;
        previous = current;
    }
}

}  // namespace tarnwick
