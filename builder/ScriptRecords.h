#pragma once
// The records of the setup script's lists as the builder states them. Every field is a text, as the
// script stores it, so that a test can also write values the runtime must survive ("01", "-3", "").
// Defaults are those of an ordinary record, so a record needs only the fields that matter to it:
//   spec.Files.push_back({"@$&%04\\readme.txt"});
// Field order is the order in the script; RecordFields<R>() names the fields for project files.
// Every field has an initializer, so that a record given by its leading fields only draws no
// missing-initializer warning.

#include <string>
#include <vector>

namespace tarnwick {

struct RegistryVariableRecord {
    std::string Root = "2";             // 0..6: HKEY_CLASSES_ROOT + number
    std::string Key = "";               // as stored, no tokens
    std::string ValueName = "";         // as stored
    std::string Default = "";           // used when the registry gives nothing; may hold tokens
};

struct RegistryEntryRecord {
    std::string Root = "2";
    std::string Key = "";
    std::string ValueName = "";         // empty: the key's default value
    std::string Data = "";              // text, hex pairs or decimal, by Type
    std::string Type = "0";             // 0 REG_SZ, 1 REG_BINARY, 2 REG_DWORD, other: key only
    std::string Overwrite = "1";        // 1: always write; otherwise only a missing value
    std::string RemoveAtUninstall = "1";
};

struct UninstallRegistryRecord {
    std::string Root = "2";
    std::string Key = "";
    std::string ValueName = "";
};

struct FontRecord {
    std::string Name = "";              // value name under the system's font key
    std::string File = "";              // the font file, installed through the FileList
};

struct ShortcutRecord {
    std::string Location = "0";         // 0 group, 1 desktop, 2 start menu, 3 quick launch, 4 explicit path
    std::string Name = "";              // file name in its location, or the full path for location 4
    std::string Target = "";
    std::string Arguments = "";
    std::string Description = "";
    std::string IconFile = "";          // empty: no icon
    std::string IconIndex = "0";
    std::string WorkingFolder = "";     // empty: the target's folder
};

// 2024-01-01 00:00 UTC as a FILETIME.
constexpr const char* DefaultFileTime = "133485408000000000";

struct FileRecord {
    std::string Destination = "";
    std::string Overwrite = "1";        // 0 keep an existing file, 1 replace it, 2 replace it if older
    std::string FileTime = DefaultFileTime;  // FILETIME in decimal
    std::string Logged = "1";           // 1: recorded in the install log (removed at uninstall)
};

struct RunProgramRecord {
    std::string Unused = "";            // the runtime never reads this field
    std::string File = "";
    std::string Parameters = "";
    std::string ShowCommand = "1";      // SW_ number
    std::string When = "1";             // 0 at the start of the sequence, 1 near its end
    std::string Wait = "0";             // 1: wait for the process to end
};

struct IniEntryRecord {
    std::string File = "";
    std::string Section = "";
    std::string Key = "";
    std::string Value = "";
    std::string Overwrite = "1";        // not 0: always write; 0: only an empty key
    std::string RemoveAtUninstall = "1";
};

struct UninstallFileRecord {
    std::string Mode = "0";             // 0 delete the file, 1 remove an empty folder, 2 delete a folder tree
    std::string Path = "";
};

struct ComServerRecord {
    std::string File = "";
    std::string UnregisterAtUninstall = "1";
};

// One field of a record: its name in project files and where it lives.
template <class Record>
struct RecordField {
    const char* Name;
    std::string Record::*Member;
};

// The fields of a record type in script order.
template <class Record>
const std::vector<RecordField<Record>>& RecordFields();

template <> const std::vector<RecordField<RegistryVariableRecord>>& RecordFields<RegistryVariableRecord>();
template <> const std::vector<RecordField<RegistryEntryRecord>>& RecordFields<RegistryEntryRecord>();
template <> const std::vector<RecordField<UninstallRegistryRecord>>& RecordFields<UninstallRegistryRecord>();
template <> const std::vector<RecordField<FontRecord>>& RecordFields<FontRecord>();
template <> const std::vector<RecordField<ShortcutRecord>>& RecordFields<ShortcutRecord>();
template <> const std::vector<RecordField<FileRecord>>& RecordFields<FileRecord>();
template <> const std::vector<RecordField<RunProgramRecord>>& RecordFields<RunProgramRecord>();
template <> const std::vector<RecordField<IniEntryRecord>>& RecordFields<IniEntryRecord>();
template <> const std::vector<RecordField<UninstallFileRecord>>& RecordFields<UninstallFileRecord>();
template <> const std::vector<RecordField<ComServerRecord>>& RecordFields<ComServerRecord>();

// The record's texts in script order.
template <class Record>
std::vector<std::string> RecordTexts(const Record& record) {
    std::vector<std::string> texts;
    for (const RecordField<Record>& field : RecordFields<Record>()) texts.push_back(record.*field.Member);
    return texts;
}

}  // namespace tarnwick
