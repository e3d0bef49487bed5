#include "startup/CommandLine.h"

#include "base/AsciiCase.h"

namespace tarnwick {

namespace {

// General settings the options change.
constexpr int DefaultInstallFolderSetting = 58;
constexpr int SidePictureSetting = 63;
constexpr int StartMenuGroupSetting = 106;
constexpr int UnusedSpSetting = 107;

constexpr size_t OptionPrefixLength = 3;  // "/P=", "/G=", "/L="

bool IsSeparator(char c) { return c >= 1 && c <= 32; }

// One argument from `at`, which is moved past it. Empty at the end of the text.
std::string NextArgument(const std::string& text, size_t& at) {
    for (;;) {
        while (at < text.size() && IsSeparator(text[at])) ++at;
        if (at + 1 < text.size() && text[at] == '"' && text[at + 1] == '"') {
            at += 2;  // an empty pair of quotes in front of an argument is skipped
            continue;
        }
        break;
    }
    const size_t start = at;
    while (at < text.size() && text[at] != '\0' && !IsSeparator(text[at])) {
        if (text[at] == '"') {
            // A quoted stretch, quotes kept, runs to its closing quote or to the end.
            ++at;
            while (at < text.size() && text[at] != '"') ++at;
            if (at < text.size()) ++at;
        } else {
            ++at;
        }
    }
    std::string argument = text.substr(start, at - start);
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
        argument = argument.substr(1, argument.size() - 2);
    }
    return argument;
}

}  // namespace

const std::string& CommandLine::Argument(int index) const {
    static const std::string none;
    if (index == 0) return ProgramPath;
    return index > 0 && index <= Count() ? Arguments[static_cast<size_t>(index - 1)] : none;
}

std::vector<std::string> SplitArguments(const std::string& commandLine) {
    std::vector<std::string> arguments;
    size_t at = 0;
    NextArgument(commandLine, at);  // the program's name
    for (;;) {
        std::string argument = NextArgument(commandLine, at);
        if (argument.empty()) break;
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

std::string LongPathForm(const std::string& path, DisplayNameFunction displayName) {
    std::string result;
    size_t start = 0;
    for (bool first = true;; first = false) {
        size_t slash = path.find('\\', start);
        std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        std::string typed = first ? part : result + "\\" + part;
        if (first && part.size() == 2 && part[1] == ':') {
            result = part;  // a drive stays as typed
        } else {
            // An empty part (a trailing or doubled backslash) names no folder of its own.
            std::string shown = part.empty() ? std::string() : displayName(typed);
            result = first ? (shown.empty() ? part : shown) : result + "\\" + (shown.empty() ? part : shown);
        }
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    if (result.find('.') == std::string::npos) {
        size_t dot = path.rfind('.');
        if (dot != std::string::npos) result += path.substr(dot);
    }
    return result;
}

void ParseOptions(const CommandLine& commandLine, SetupModel& model, RunState& state, DisplayNameFunction displayName) {
    for (int i = 2; i <= commandLine.Count(); ++i) {
        const std::string& argument = commandLine.Argument(i);
        const std::string option = UpperCaseAscii(argument);
        const std::string prefix = option.substr(0, OptionPrefixLength);
        const std::string value = argument.size() > OptionPrefixLength ? argument.substr(OptionPrefixLength) : std::string();
        if (option == "/S") state.SilentRun = true;
        if (option == "/NC") state.NoCancel = true;
        if (option == "/NR") model.SetSetting(SidePictureSetting, "0");
        if (prefix == "/P=") model.SetSetting(DefaultInstallFolderSetting, LongPathForm(value, displayName));
        if (prefix == "/G=") model.SetSetting(StartMenuGroupSetting, value);
        if (prefix == "/L=") state.SelectedLanguageName = value;
        if (option == "/SP") model.SetSetting(UnusedSpSetting, "0");
    }
}

void MatchLanguageOption(const SetupModel& model, RunState& state) {
    if (state.SelectedLanguageName.empty()) return;
    const std::string wanted = UpperCaseAscii(state.SelectedLanguageName);
    state.LanguageIndex = 255;
    for (int i = 0; i < model.LanguageCount() && i < 255; ++i) {
        if (UpperCaseAscii(model.LanguageList.Field(i, 0)).find(wanted) != std::string::npos) {
            state.LanguageIndex = static_cast<uint8_t>(i);
        }
    }
    if (state.LanguageIndex == 255) state.SelectedLanguageName.clear();
}

}  // namespace tarnwick
