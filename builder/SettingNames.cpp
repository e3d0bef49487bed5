#include "builder/SettingNames.h"

#include "package/SetupModel.h"

namespace tarnwick {

const std::vector<std::pair<std::string, int>>& SettingNames() {
    static const std::vector<std::pair<std::string, int>> names = {
        {"ShowBackground", 1},
        {"DotNetDownload", 2},
        {"BackgroundGradient", 3},
        {"BackgroundColorStart", 4},
        {"BackgroundColorEnd", 5},
        {"BackgroundLeftToRight", 6},
        {"BackgroundStretched", 7},
        {"BackgroundText1", 8},
        {"BackgroundText2", 9},
        {"DiskFileName", 21},
        {"OfferShortcuts", 22},
        {"RequiredSpace", 23},
        {"BrandingText", 27},
        {"PasswordDigest", 29},
        {"ShowLicense", 30},
        {"UninstallerIconOffset", 33},
        {"SingleBlockLayout", 34},
        {"OfferWebSite", 36},
        {"WebSite", 37},
        {"WebSiteTicked", 38},
        {"OfferLaunch", 39},
        {"LaunchProgram", 43},
        {"LaunchTicked", 44},
        {"ReadmeTicked", 46},
        {"ReadmeFile", 47},
        {"ShowHeaderPicture", 49},
        {"OfferRestart", 52},
        {"AppFolderName", 53},
        {"UninstallKey", 55},
        {"WriteUninstallInformation", 56},
        {"InstallFolder", 58},
        {"HeaderColorStart", 60},
        {"AllowedWindows", 61},
        {"UnsupportedWindowsText", 62},
        {"ShowSidePicture", 63},
        {"UninstallCloseInstances", 64},
        {"SetupTitle", 65},
        {"UninstallOfferWebPage", 68},
        {"HeaderColor", 70},
        {"UninstallWebPage", 74},
        {"UninstallTitle", 75},
        {"FixedFolder", 76},
        {"OfferReadme", 79},
        {"ShowInformation", 84},
        {"DotNetAtLeast", 85},
        {"CreateGroup", 86},
        {"OfferDesktopShortcut", 88},
        {"OfferStartMenuShortcut", 89},
        {"OfferQuickLaunchShortcut", 90},
        {"UninstallerPath", 91},
        {"InstallLogPath", 92},
        {"UninstallCloseTitle", 97},
        {"RequireAdministrator", 99},
        {"DotNetVersion", 100},
        {"DotNetRefusalText", 102},
        {"CloseInstances", 103},
        {"CloseTitle", 104},
        {"CloseByPartOfTitle", 105},
        {"GroupName", 106},
        {"FixedGroup", 109},
        {"Silent", 110},
        {"ShowWelcome", 111},
        {"ShowDestination", 112},
        {"ShowStartMenu", 113},
        {"ShowShortcuts", 114},
        {"ShowReady", 115},
        {"ShowFinish", 116},
    };
    return names;
}

int FindSetting(const std::string& nameOrIndex) {
    for (const auto& entry : SettingNames()) {
        if (entry.first == nameOrIndex) return entry.second;
    }
    if (nameOrIndex.empty() || nameOrIndex.size() > 3) return -1;
    int index = 0;
    for (char c : nameOrIndex) {
        if (c < '0' || c > '9') return -1;
        index = index * 10 + (c - '0');
    }
    return index < GeneralSettingCount ? index : -1;
}

}  // namespace tarnwick
