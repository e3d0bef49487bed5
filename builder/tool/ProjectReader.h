#pragma once
// Reading a builder project (JSON) into a setup script. Header-only: only the native tool and the
// native tests use it, and JSON is not available to the Windows build of the builder library.
//
//   {
//     "application": "Demo",                      names the defaults (title, folder, messages)
//     "settings": { "SetupTitle": "Demo Setup", "58": "@$&%01\\Demo", "ShowLicense": true },
//     "password": "secret",                       stored as its digest in setting 29
//     "uninstallEntries": true,                   DisplayName and UninstallString entries
//     "files": [ { "destination": "@$&%04\\demo.exe" }, [ "@$&%04\\readme.txt", 1, "0", 1 ] ],
//     "registryVariables" "registryEntries" "uninstallRegistry" "fonts" "shortcuts"
//     "installPrograms" "uninstallPrograms" "iniEntries" "uninstallFiles" "comServers": lists alike,
//     "languages": [ { "name": "English", "id": 1033, "messages": { "23": "Continue >" } } ]
//   }
//
// Everything not stated keeps DefaultSetupScript's value. A record is an object of named fields
// (ScriptRecords.h) or an array of its fields in order; a language's messages are an array (message
// 1 first) or an object by message number over the English defaults. Values are texts, integers
// (written in decimal) or booleans ("1" and "0").

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "builder/AnsiText.h"
#include "builder/ScriptWriter.h"
#include "builder/SettingNames.h"
#include "engine/TextDigest.h"

namespace tarnwick {

namespace project_detail {

using Json = nlohmann::json;

inline std::runtime_error ProjectError(const std::string& where, const std::string& what) {
    return std::runtime_error(where + ": " + what);
}

inline std::string ValueText(const Json& value, const std::string& where) {
    if (value.is_string()) {
        try {
            return Windows1252FromUtf8(value.get<std::string>());
        } catch (const std::invalid_argument& e) {
            throw ProjectError(where, e.what());
        }
    }
    if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
    if (value.is_number_integer()) return value.dump();
    throw ProjectError(where, "expected a text, an integer or true/false");
}

template <class Record>
Record ReadRecord(const Json& value, const std::string& where) {
    const auto& fields = RecordFields<Record>();
    Record record;
    if (value.is_array()) {
        if (value.size() > fields.size()) {
            throw ProjectError(where, "a record has " + std::to_string(fields.size()) + " fields");
        }
        for (size_t i = 0; i < value.size(); ++i) record.*fields[i].Member = ValueText(value[i], where);
    } else if (value.is_object()) {
        for (const auto& item : value.items()) {
            auto field = std::find_if(fields.begin(), fields.end(),
                                      [&](const RecordField<Record>& f) { return item.key() == f.Name; });
            if (field == fields.end()) throw ProjectError(where, "unknown field \"" + item.key() + "\"");
            record.*field->Member = ValueText(item.value(), where + "." + item.key());
        }
    } else {
        throw ProjectError(where, "a record is an object or an array");
    }
    return record;
}

template <class Record>
void ReadList(const Json& project, const char* key, std::vector<Record>& list) {
    if (!project.contains(key)) return;
    const Json& records = project.at(key);
    if (!records.is_array()) throw ProjectError(key, "expected an array of records");
    for (size_t i = 0; i < records.size(); ++i) {
        list.push_back(ReadRecord<Record>(records[i], std::string(key) + "[" + std::to_string(i) + "]"));
    }
}

inline int MessageNumber(const std::string& key, const std::string& where) {
    int n = 0;
    for (char c : key) {
        if (c < '0' || c > '9' || n > MessagesPerLanguage) { n = -1; break; }
        n = n * 10 + (c - '0');
    }
    if (key.empty() || n < 1 || n > MessagesPerLanguage) throw ProjectError(where, "messages are numbered 1 to 84");
    return n;
}

inline LanguageSpec ReadLanguage(const Json& value, const std::string& where, const std::string& application) {
    if (!value.is_object()) throw ProjectError(where, "a language is an object");
    LanguageSpec language = EnglishLanguage(application);
    for (const auto& item : value.items()) {
        const std::string at = where + "." + item.key();
        if (item.key() == "name") {
            language.Name = ValueText(item.value(), at);
        } else if (item.key() == "id") {
            language.LanguageId = ValueText(item.value(), at);
        } else if (item.key() == "messages" && item.value().is_array()) {
            if (item.value().size() > MessagesPerLanguage) throw ProjectError(at, "at most 84 messages");
            language.Messages.assign(MessagesPerLanguage, std::string());
            for (size_t i = 0; i < item.value().size(); ++i) language.Messages[i] = ValueText(item.value()[i], at);
        } else if (item.key() == "messages" && item.value().is_object()) {
            for (const auto& message : item.value().items()) {
                int n = MessageNumber(message.key(), at);
                language.Messages[static_cast<size_t>(n - 1)] = ValueText(message.value(), at + "." + message.key());
            }
        } else {
            throw ProjectError(at, "unknown language entry");
        }
    }
    return language;
}

}  // namespace project_detail

// The setup script a project describes. Throws std::runtime_error naming the faulty entry.
inline SetupScriptSpec ReadProject(const std::string& jsonText) {
    using namespace project_detail;
    Json project;
    try {
        project = Json::parse(jsonText);
    } catch (const Json::parse_error& e) {
        throw std::runtime_error(std::string("not valid JSON: ") + e.what());
    }
    if (!project.is_object()) throw std::runtime_error("a project is a JSON object");

    static const char* const known[] = {
        "application", "settings", "password", "uninstallEntries", "registryVariables", "registryEntries",
        "uninstallRegistry", "fonts", "shortcuts", "files", "installPrograms", "uninstallPrograms",
        "iniEntries", "uninstallFiles", "comServers", "languages"};
    for (const auto& item : project.items()) {
        if (std::find(std::begin(known), std::end(known), item.key()) == std::end(known)) {
            throw ProjectError(item.key(), "unknown project entry");
        }
    }

    const std::string application =
        project.contains("application") ? ValueText(project["application"], "application") : DefaultApplicationName;
    SetupScriptSpec spec = DefaultSetupScript(application);

    if (project.contains("settings")) {
        const Json& settings = project["settings"];
        if (!settings.is_object()) throw ProjectError("settings", "expected an object");
        for (const auto& item : settings.items()) {
            int index = FindSetting(item.key());
            if (index < 0) throw ProjectError("settings." + item.key(), "no such setting name or index");
            spec.Settings[static_cast<size_t>(index)] = ValueText(item.value(), "settings." + item.key());
        }
    }
    if (project.contains("password")) spec.Settings[29] = TextDigest(ValueText(project["password"], "password"));

    ReadList(project, "registryVariables", spec.RegistryVariables);
    ReadList(project, "registryEntries", spec.RegistryEntries);
    ReadList(project, "uninstallRegistry", spec.UninstallRegistry);
    ReadList(project, "fonts", spec.Fonts);
    ReadList(project, "shortcuts", spec.Shortcuts);
    ReadList(project, "files", spec.Files);
    ReadList(project, "installPrograms", spec.InstallPrograms);
    ReadList(project, "uninstallPrograms", spec.UninstallPrograms);
    ReadList(project, "iniEntries", spec.IniEntries);
    ReadList(project, "uninstallFiles", spec.UninstallFiles);
    ReadList(project, "comServers", spec.ComServers);
    if (project.contains("uninstallEntries") && ValueText(project["uninstallEntries"], "uninstallEntries") != "0") {
        AddUninstallEntries(spec);
    }

    if (project.contains("languages")) {
        const Json& languages = project["languages"];
        if (!languages.is_array() || languages.empty()) throw ProjectError("languages", "expected a non-empty array");
        spec.Languages.clear();
        for (size_t i = 0; i < languages.size(); ++i) {
            spec.Languages.push_back(ReadLanguage(languages[i], "languages[" + std::to_string(i) + "]", application));
        }
    }
    return spec;
}

}  // namespace tarnwick
