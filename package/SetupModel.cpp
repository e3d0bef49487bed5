#include "package/SetupModel.h"

#include <algorithm>
#include <iterator>

namespace tarnwick {

namespace {

// What every read outside a list, a message block or the settings gives.
const std::string EmptyText;

// One text of the script; false when the stream delivered no byte at all, not even the NUL, that
// is when the text would lie wholly past the end of the script.
bool ReadScriptTextFrom(Stream& script, std::string& text) {
    text.clear();
    bool delivered = false;
    for (;;) {
        char byte = 0;
        if (script.Read(&byte, 1) != 1) return delivered;  // the end (or an error) ends the text
        delivered = true;
        if (byte == '\0') return true;
        text.push_back(byte);
    }
}

// Reads up to `count` records of the list's width. The count comes from the script and may be
// damaged, so nothing is sized from it: records are added one by one while the script still has
// bytes, and a record cut by the end is completed with empty texts.
void ReadRecords(Stream& script, int64_t count, RecordList& list) {
    list.Texts.clear();
    std::string text;
    for (int64_t record = 0; record < count; ++record) {
        if (!ReadScriptTextFrom(script, text)) return;
        list.Texts.push_back(text);
        for (int field = 1; field < list.Width; ++field) {
            ReadScriptTextFrom(script, text);
            list.Texts.push_back(text);
        }
    }
}

int64_t RecordCount(const SetupModel& model, int setting) {
    return std::max<int64_t>(0, model.SettingNumber(setting));
}

}  // namespace

int RecordList::Count() const { return static_cast<int>(Texts.size() / static_cast<size_t>(Width)); }

const std::string& RecordList::Field(int record, int field) const {
    if (record < 0 || field < 0 || field >= Width) return EmptyText;
    size_t index = static_cast<size_t>(record) * static_cast<size_t>(Width) + static_cast<size_t>(field);
    return index < Texts.size() ? Texts[index] : EmptyText;
}

int32_t RecordList::FieldNumber(int record, int field) const { return ParseDecimal(Field(record, field)); }

bool RecordList::FieldFlag(int record, int field) const { return FieldNumber(record, field) == 1; }

bool SetupModel::SettingFlag(int index) const { return SettingText(index) != "0"; }

int32_t SetupModel::SettingNumber(int index) const { return ParseDecimal(SettingText(index)); }

const std::string& SetupModel::SettingText(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= GeneralSettings.size()) return EmptyText;
    return GeneralSettings[static_cast<size_t>(index)];
}

void SetupModel::SetSetting(int index, const std::string& text) {
    if (index < 0 || static_cast<size_t>(index) >= GeneralSettings.size()) return;
    GeneralSettings[static_cast<size_t>(index)] = text;
}

int SetupModel::InstallProgramCount() const {
    return static_cast<int>(std::min<int64_t>(RecordCount(*this, 40), RunProgramList.Count()));
}

int SetupModel::UninstallProgramCount() const {
    int64_t following = RunProgramList.Count() - InstallProgramCount();
    return static_cast<int>(std::min<int64_t>(RecordCount(*this, 25), following));
}

const std::string& SetupModel::Message(int n) const {
    if (n < 1 || n > MessagesPerLanguage || static_cast<size_t>(n) >= Messages.size()) return EmptyText;
    return Messages[static_cast<size_t>(n)];
}

void SetupModel::SelectLanguageMessages(int index) {
    if (index <= 0 || index >= LanguageCount()) return;  // language 0 is already in place
    const size_t first = static_cast<size_t>(index) * MessagesPerLanguage;
    for (size_t n = 1; n <= MessagesPerLanguage && n < Messages.size(); ++n) {
        // A block cut by the end of a damaged script holds empty texts, as the script read them.
        Messages[n] = first + n < Messages.size() ? Messages[first + n] : EmptyText;
    }
}

int SetupModel::LanguageCount() const { return LanguageList.Count(); }

int32_t ParseDecimal(const std::string& text) {
    size_t at = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        at = 1;
    }
    // Unsigned arithmetic wraps where a signed one would be undefined.
    uint32_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10u + static_cast<uint32_t>(text[at] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

std::string ReadScriptText(Stream& script) {
    std::string text;
    ReadScriptTextFrom(script, text);
    return text;
}

void ParseGeneralSettings(Stream& script, SetupModel& model) {
    model.GeneralSettings.assign(GeneralSettingCount, std::string());
    for (std::string& setting : model.GeneralSettings) setting = ReadScriptText(script);
}

void ParseRegistryVariableList(Stream& script, SetupModel& model) {
    ReadRecords(script, RecordCount(model, 98), model.RegistryVariableList);
}

void ParseRecordLists(Stream& script, SetupModel& model) {
    ReadRecords(script, RecordCount(model, 50), model.RegistryEntryList);
    ReadRecords(script, RecordCount(model, 96), model.UninstallRegistryList);
    ReadRecords(script, RecordCount(model, 31), model.FontList);
    ReadRecords(script, RecordCount(model, 54), model.ShortcutList);
    ReadRecords(script, RecordCount(model, 67), model.FileList);
    // Each half is counted on its own, so a negative install-time count cannot eat into the
    // uninstall-time records.
    ReadRecords(script, RecordCount(model, 40) + RecordCount(model, 25), model.RunProgramList);
    ReadRecords(script, RecordCount(model, 24), model.IniEntryList);
    ReadRecords(script, RecordCount(model, 45), model.UninstallFileList);
    ReadRecords(script, RecordCount(model, 20), model.ComServerList);
    ReadRecords(script, RecordCount(model, 26), model.LanguageList);

    // Element 0 is never used, so message n of language L is element L * 84 + n.
    RecordList messages{1};
    ReadRecords(script, RecordCount(model, 26) * MessagesPerLanguage, messages);
    model.Messages.assign(1, std::string());
    model.Messages.insert(model.Messages.end(), std::make_move_iterator(messages.Texts.begin()),
                          std::make_move_iterator(messages.Texts.end()));
}

}  // namespace tarnwick
