#include "startup/StartUpRules.h"

#include "uninstall/Prerequisites.h"

namespace tarnwick {

bool IsBuilderTestRun(const CommandLine& commandLine) { return commandLine.Argument(1) == "test"; }

bool IsRelaunchedUninstaller(const CommandLine& commandLine) { return commandLine.Argument(1) == "end"; }

std::string RelaunchParameters(const CommandLine& commandLine) {
    std::string parameters = " end";
    for (int i = 1; i <= commandLine.Count(); ++i) parameters += " " + commandLine.Argument(i);
    return parameters;
}

std::string UninstallerCopyPath(const std::string& tempPath, const std::string& uninstallerPath) {
    size_t cut = uninstallerPath.find_last_of("\\:");
    return tempPath + (cut == std::string::npos ? uninstallerPath : uninstallerPath.substr(cut + 1));
}

std::string UninstallKeyPath(const SetupModel& model) {
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + model.SettingText(UninstallKeySetting);
}

const std::string& ApplicationTitleSetting(const SetupModel& model, bool isInstaller) {
    return model.SettingText(isInstaller ? SetupTitleSetting : UninstallTitleSetting);
}

std::string UnsupportedWindowsText(const SetupModel& model) {
    return model.Message(UnsupportedWindowsMessage) + model.SettingText(UnsupportedWindowsSetting);
}

uint8_t AllowedWindowsMask(const SetupModel& model) {
    return static_cast<uint8_t>(model.SettingNumber(AllowedWindowsSetting) & 0xFF);
}

bool DotNetRefused(const SetupModel& model, double installedVersion) {
    if (!model.SettingFlag(DotNetVersionSetting)) return false;
    double required = ParseVersionNumber(model.SettingText(DotNetVersionSetting));
    return !DotNetRequirementMet(required, installedVersion, model.SettingFlag(DotNetAtLeastSetting));
}

LanguageSource ChooseLanguageSource(const SetupModel& model, const RunState& state) {
    if (model.LanguageCount() <= 1) return LanguageSource::Single;
    return state.SelectedLanguageName.empty() ? LanguageSource::Dialog : LanguageSource::CommandLine;
}

void ApplyLanguage(int index, SetupModel& model, RunState& state) {
    state.LanguageIndex = static_cast<uint8_t>(index);
    state.SelectedLanguageName = model.LanguageList.Field(state.LanguageIndex, 0);
    model.SelectLanguageMessages(state.LanguageIndex);
}

int LanguageFromLog(const std::string& value, const SetupModel& model) {
    int32_t index = ParseDecimal(value);
    return index >= 0 && index < model.LanguageCount() && index <= 255 ? index : 0;
}

}  // namespace tarnwick
