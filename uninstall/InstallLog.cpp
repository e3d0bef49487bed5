#include "uninstall/InstallLog.h"

namespace tarnwick {

namespace {

void AddLine(std::string& text, const std::string& line) {
    text += line;
    text += "\r\n";
}

}  // namespace

std::string InstallLogText(const LoggedPaths& paths, const std::string& installFolder, uint8_t languageIndex) {
    std::string text;
    AddLine(text, std::string("[") + LogPathSection + "]");
    for (int i = 0; i < paths.Count(); ++i) AddLine(text, std::to_string(i + 1) + "=" + paths.Item(i));
    AddLine(text, std::string("[") + LogStateSection + "]");
    AddLine(text, "0=" + std::to_string(paths.Count()));
    AddLine(text, "1=" + installFolder);
    AddLine(text, "2=" + std::to_string(languageIndex));
    return text;
}

}  // namespace tarnwick
