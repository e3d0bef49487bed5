#pragma once
// The setup model: everything the setup script says, read once at start-up and then only read
// (apart from the few settings the command line changes and the chosen language's messages).

#include <cstdint>
#include <string>
#include <vector>

#include "base/Stream.h"

namespace tarnwick {

constexpr int GeneralSettingCount = 121;
constexpr int MessagesPerLanguage = 84;

// One record list of the script: a flat array where field j of record i is element i * Width + j.
// A list holds only the records the script really contains: a damaged count that promises more
// records than the script has gives a shorter list, so callers walk Count() records, never the
// count setting.
struct RecordList {
    explicit RecordList(int width = 1) : Width(width) {}

    int Width;  // texts per record, at least 1
    std::vector<std::string> Texts;  // a whole number of records

    int Count() const;  // number of records
    // Field j of record i; the empty text outside the list.
    const std::string& Field(int record, int field) const;
    // The field read like SettingNumber.
    int32_t FieldNumber(int record, int field) const;
    // "flag 1": on only when the field reads as the number 1.
    bool FieldFlag(int record, int field) const;
};

struct SetupModel {
    std::vector<std::string> GeneralSettings = std::vector<std::string>(GeneralSettingCount);

    RecordList RegistryVariableList{4};
    RecordList RegistryEntryList{7};
    RecordList UninstallRegistryList{3};
    RecordList FontList{2};
    RecordList ShortcutList{8};
    RecordList FileList{4};
    RecordList RunProgramList{6};
    RecordList IniEntryList{6};
    RecordList UninstallFileList{2};
    RecordList ComServerList{2};
    RecordList LanguageList{2};
    // (languages * 84) + 1 elements; element 0 unused; elements 1..84 are the MessageTable.
    std::vector<std::string> Messages = std::vector<std::string>(1);

    bool SettingFlag(int index) const;       // on unless the text is exactly "0"
    int32_t SettingNumber(int index) const;  // see ParseDecimal
    const std::string& SettingText(int index) const;
    void SetSetting(int index, const std::string& text);

    // The run-program list holds the install-time records first, then the uninstall-time ones.
    // Both counts are clamped to the records the list really holds.
    int InstallProgramCount() const;    // records 0 .. InstallProgramCount() - 1
    int UninstallProgramCount() const;  // the records that follow them

    // Message n (1..84) of the chosen language; the empty text outside that range.
    const std::string& Message(int n) const;
    // Copies language index's block onto elements 1..84; an index that names no language of the
    // LanguageList changes nothing.
    void SelectLanguageMessages(int index);
    int LanguageCount() const;  // records of the LanguageList
};

// A decimal number as the script writes it: an optional "-" or "+" first, then digits up to the
// first other character; no digits give 0; no spaces are skipped; the value wraps on overflow.
int32_t ParseDecimal(const std::string& text);

// One NUL-ended text of the script; the end of the stream ends the text, and every text read
// after the end is empty.
std::string ReadScriptText(Stream& script);

// The 121 general settings from the script's current position.
void ParseGeneralSettings(Stream& script, SetupModel& model);
// For every list: a negative count reads no records, and reading stops at the end of the script
// (a record cut by the end gets empty texts for its missing fields; no record is created past the
// end), so a damaged count costs neither memory nor time.

// List 1, directly after the general settings.
void ParseRegistryVariableList(Stream& script, SetupModel& model);
// Lists 2 to 11 and the messages, directly after list 1.
void ParseRecordLists(Stream& script, SetupModel& model);

}  // namespace tarnwick
