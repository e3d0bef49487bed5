#include "uninstall/win32/InstallLog.h"

#include <windows.h>

#include "engine/win32/TokenValues.h"

namespace tarnwick {

namespace {
constexpr int InstallLogPathSetting = 92;
constexpr DWORD IniValueBufferSize = 4096;
}  // namespace

bool SaveInstallLog(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    // Also cuts the file where the text ends should CREATE_ALWAYS ever keep old bytes.
    ok = SetEndOfFile(file) && ok;
    CloseHandle(file);
    return ok;
}

bool WriteInstallLog(LoggedPaths& paths, const SetupModel& model, const RunState& state) {
    std::string text = InstallLogText(paths, state.InstallFolder, state.LanguageIndex);
    paths.Clear();
    return SaveInstallLog(ExpandPathTokens(model.SettingText(InstallLogPathSetting), state), text);
}

std::string ReadInstallLogValue(const std::string& path, const std::string& section, const std::string& key) {
    char buffer[IniValueBufferSize] = {};
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path.c_str());
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

void ReadLogStateValues(const std::string& path, std::string (&values)[3]) {
    for (int key = 0; key < 3; ++key) values[key] = ReadInstallLogValue(path, LogStateSection, std::to_string(key));
}

}  // namespace tarnwick
