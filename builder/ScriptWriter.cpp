#include "builder/ScriptWriter.h"

#include <stdexcept>

#include "engine/TextDigest.h"

namespace tarnwick {

namespace {

const char* const UninstallKeyPrefix = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

template <class Record>
void AppendRecords(std::vector<std::string>& texts, const std::vector<Record>& records) {
    for (const Record& record : records) {
        for (std::string& text : RecordTexts(record)) texts.push_back(std::move(text));
    }
}

void SetDerived(GeneralSettingArray& settings, const std::set<int>& keep, int index, const std::string& value) {
    if (keep.count(index) == 0) settings[static_cast<size_t>(index)] = value;
}

void SetDerivedCount(GeneralSettingArray& settings, const std::set<int>& keep, int index, size_t count) {
    SetDerived(settings, keep, index, std::to_string(count));
}

}  // namespace

void AddUninstallEntries(SetupScriptSpec& spec) {
    const std::string key = UninstallKeyPrefix + spec.Settings[55];
    spec.RegistryEntries.push_back({"2", key, "DisplayName", spec.Settings[55]});
    spec.RegistryEntries.push_back({"2", key, "UninstallString", "\"" + spec.Settings[91] + "\""});
}

GeneralSettingArray FinalSettings(const SetupScriptSpec& spec) {
    GeneralSettingArray settings = spec.Settings;
    const std::set<int>& keep = spec.KeepSettings;

    SetDerivedCount(settings, keep, 98, spec.RegistryVariables.size());
    SetDerivedCount(settings, keep, 50, spec.RegistryEntries.size());
    SetDerivedCount(settings, keep, 96, spec.UninstallRegistry.size());
    SetDerivedCount(settings, keep, 31, spec.Fonts.size());
    SetDerivedCount(settings, keep, 54, spec.Shortcuts.size());
    SetDerivedCount(settings, keep, 67, spec.Files.size());
    SetDerivedCount(settings, keep, 40, spec.InstallPrograms.size());
    SetDerivedCount(settings, keep, 25, spec.UninstallPrograms.size());
    SetDerivedCount(settings, keep, 24, spec.IniEntries.size());
    SetDerivedCount(settings, keep, 45, spec.UninstallFiles.size());
    SetDerivedCount(settings, keep, 20, spec.ComServers.size());
    SetDerivedCount(settings, keep, 26, spec.Languages.size());

    // One step per item the install sequence advances the bar for; the sequence fills the bar at
    // its end anyway, so this only has to be right for the bar to move evenly.
    size_t steps = spec.RegistryEntries.size() + spec.Fonts.size() + spec.Shortcuts.size() +
                   spec.IniEntries.size() + spec.InstallPrograms.size() + spec.Files.size();
    if (settings[56] != "0") steps += 1;
    if (settings[20] != "0") steps += spec.ComServers.size();
    SetDerivedCount(settings, keep, 48, steps);

    // Last: it covers settings 0..34 as they are finally written.
    SetDerived(settings, keep, IntegrityCodeSetting,
               ComputeIntegrityCode(std::vector<std::string>(settings.begin(), settings.end())));
    return settings;
}

std::vector<std::string> ScriptTexts(const SetupScriptSpec& spec) {
    GeneralSettingArray settings = FinalSettings(spec);
    std::vector<std::string> texts(settings.begin(), settings.end());

    AppendRecords(texts, spec.RegistryVariables);
    AppendRecords(texts, spec.RegistryEntries);
    AppendRecords(texts, spec.UninstallRegistry);
    AppendRecords(texts, spec.Fonts);
    AppendRecords(texts, spec.Shortcuts);
    AppendRecords(texts, spec.Files);
    AppendRecords(texts, spec.InstallPrograms);
    AppendRecords(texts, spec.UninstallPrograms);
    AppendRecords(texts, spec.IniEntries);
    AppendRecords(texts, spec.UninstallFiles);
    AppendRecords(texts, spec.ComServers);

    for (const LanguageSpec& language : spec.Languages) {
        texts.push_back(language.Name);
        texts.push_back(language.LanguageId);
    }
    for (const LanguageSpec& language : spec.Languages) {
        if (language.Messages.size() > MessagesPerLanguage) {
            throw std::invalid_argument("language " + language.Name + " has more than 84 messages");
        }
        texts.insert(texts.end(), language.Messages.begin(), language.Messages.end());
        texts.resize(texts.size() + (MessagesPerLanguage - language.Messages.size()));
    }

    for (const std::string& text : texts) {
        if (text.find('\0') != std::string::npos) {
            throw std::invalid_argument("a script text cannot hold a NUL byte");
        }
    }
    return texts;
}

std::vector<uint8_t> JoinScriptTexts(const std::vector<std::string>& texts) {
    std::vector<uint8_t> bytes;
    for (const std::string& text : texts) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    return bytes;
}

std::vector<uint8_t> WriteSetupScript(const SetupScriptSpec& spec) { return JoinScriptTexts(ScriptTexts(spec)); }

}  // namespace tarnwick
