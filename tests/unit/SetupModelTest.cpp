// The setup model: reading texts, the setting accessors, and scripts that are short or damaged.

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "builder/ScriptWriter.h"
#include "ParseScript.h"
#include "package/SetupModel.h"

using namespace tarnwick;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST(SetupModel, SettingAccessors) {
    struct Case {
        std::string text;
        bool flag;
        int32_t number;
    } cases[] = {
        {"0", false, 0},  // the only text that is off
        {"", true, 0},
        {"00", true, 0},
        {" 0", true, 0},
        {"1", true, 1},
        {"12abc", true, 12},
        {"-5", true, -5},
        {"+7", true, 7},
        {" 3", true, 0},  // no spaces skipped
        {"-", true, 0},
        {"+-3", true, 0},
        {"3-4", true, 3},
        {"007", true, 7},
        {"2147483647", true, INT32_MAX},
        {"2147483648", true, INT32_MIN},  // wraps
        {"4294967297", true, 1},
        {"-2147483648", true, INT32_MIN},
        {"99999999999", true, 1215752191},  // 99999999999 mod 2^32
    };
    SetupModel model;
    for (const Case& c : cases) {
        model.SetSetting(58, c.text);
        EXPECT_EQ(model.SettingText(58), c.text);
        EXPECT_EQ(model.SettingFlag(58), c.flag) << '"' << c.text << '"';
        EXPECT_EQ(model.SettingNumber(58), c.number) << '"' << c.text << '"';
    }
    // Outside 0..120 there is nothing to read or change.
    model.SetSetting(121, "5");
    model.SetSetting(-1, "5");
    EXPECT_EQ(model.SettingText(121), "");
    EXPECT_EQ(model.SettingNumber(-1), 0);
    EXPECT_EQ(model.GeneralSettings.size(), 121u);
}

TEST(SetupModel, RecordFlagIsOnOnlyForTheNumberOne) {
    RecordList list(5);
    list.Texts = {"1", "01", "0", "2", ""};
    const bool expected[] = {true, true, false, false, false};
    for (int j = 0; j < 5; ++j) EXPECT_EQ(list.FieldFlag(0, j), expected[j]) << '"' << list.Texts[j] << '"';
    EXPECT_EQ(list.FieldNumber(0, 1), 1);
}

TEST(SetupModel, ReadScriptTextTakesEveryByteUpToNulAndEmptyTextsAfterTheEnd) {
    std::string all;
    for (int b = 1; b <= 255; ++b) all.push_back(static_cast<char>(b));
    std::vector<uint8_t> bytes = Bytes(all);
    bytes.push_back(0);
    bytes.push_back(0);  // an empty text
    for (uint8_t b : Bytes("line\r\nbreak")) bytes.push_back(b);  // the last text has no NUL
    MemoryStream script(bytes);

    EXPECT_EQ(ReadScriptText(script), all);
    EXPECT_EQ(ReadScriptText(script), "");
    EXPECT_EQ(ReadScriptText(script), "line\r\nbreak");
    EXPECT_EQ(ReadScriptText(script), "");
    EXPECT_EQ(ReadScriptText(script), "");
}

TEST(SetupModel, ScriptEndingInTheSettingsGivesEmptySettingsAndEmptyLists) {
    std::vector<std::string> texts = ScriptTexts(DefaultSetupScript());
    std::vector<uint8_t> whole = JoinScriptTexts(texts);
    // Cut inside setting 65, the title.
    std::vector<uint8_t> head = JoinScriptTexts(std::vector<std::string>(texts.begin(), texts.begin() + 65));
    ASSERT_GE(texts[65].size(), 4u);
    head.insert(head.end(), whole.begin() + static_cast<long>(head.size()),
                whole.begin() + static_cast<long>(head.size() + 4));

    SetupModel model = ParseScript(head);
    for (int i = 0; i < 65; ++i) EXPECT_EQ(model.SettingText(i), texts[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(model.SettingText(65), texts[65].substr(0, 4));
    for (int i = 66; i < 121; ++i) {
        EXPECT_EQ(model.SettingText(i), "") << i;
        EXPECT_TRUE(model.SettingFlag(i)) << i;
    }
    for (const RecordList* list : {&model.RegistryVariableList, &model.RegistryEntryList, &model.UninstallRegistryList,
                                   &model.FontList, &model.ShortcutList, &model.FileList, &model.RunProgramList,
                                   &model.IniEntryList, &model.UninstallFileList, &model.ComServerList,
                                   &model.LanguageList}) {
        EXPECT_EQ(list->Count(), 0);
    }
    EXPECT_EQ(model.Messages.size(), 1u);
    EXPECT_EQ(model.Message(1), "");
}

TEST(SetupModel, NegativeCountsReadNoRecords) {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.Files = {{"a"}, {"b"}};
    spec.InstallPrograms = {{"", "setup-first.exe"}};
    spec.UninstallPrograms = {{"", "cleanup.exe"}, {"", "report.exe"}};
    spec.KeepSettings = {67, 40};
    spec.Settings[67] = "-3";
    spec.Settings[40] = "-1";
    SetupModel model = ParseScript(WriteSetupScript(spec));

    EXPECT_EQ(model.FileList.Count(), 0);
    // The run-program list reads setting 25's two records, which here begin with the file texts.
    ASSERT_EQ(model.RunProgramList.Count(), 2);
    EXPECT_EQ(model.RunProgramList.Field(0, 0), "a");
    EXPECT_EQ(model.InstallProgramCount(), 0);
    EXPECT_EQ(model.UninstallProgramCount(), 2);
}

TEST(SetupModel, HugeCountsStopAtTheEndOfTheScript) {
    // Each case damages one count; the script ends with the lists the builder wrote.
    struct Case {
        int setting;
        const char* count;
    } cases[] = {{98, "2000000000"}, {67, "2000000000"}, {40, "2147483647"}, {25, "2147483647"},
                 {26, "2000000000"}, {54, "99999999999"}};
    for (const Case& c : cases) {
        SetupScriptSpec spec = DefaultSetupScript();
        spec.Files = {{"@$&%04\\a.txt"}, {"@$&%04\\b.txt"}};
        spec.Shortcuts = {{"1", "Demo.lnk", "@$&%04\\demo.exe"}};
        spec.KeepSettings = {c.setting};
        spec.Settings[static_cast<size_t>(c.setting)] = c.count;
        std::vector<uint8_t> bytes = WriteSetupScript(spec);

        auto start = std::chrono::steady_clock::now();
        SetupModel model = ParseScript(bytes);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        EXPECT_LT(seconds, 2.0) << c.setting;
        // Nothing is sized from the count: every list holds at most what the script holds.
        size_t texts = model.Messages.size();
        for (const RecordList* list : {&model.RegistryVariableList, &model.RegistryEntryList, &model.FontList,
                                       &model.ShortcutList, &model.FileList, &model.RunProgramList,
                                       &model.LanguageList}) {
            texts += list->Texts.size();
            EXPECT_LE(list->Texts.capacity(), 2 * bytes.size()) << c.setting;
        }
        EXPECT_LE(texts, bytes.size()) << c.setting;
        EXPECT_LE(model.Messages.capacity(), 2 * bytes.size()) << c.setting;
    }
}

TEST(SetupModel, RecordCutByTheEndGetsEmptyFieldsAndNoRecordFollows) {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.Languages.clear();
    spec.UninstallFiles = {{"2", "@$&%04\\cache"}};
    spec.KeepSettings = {45};
    spec.Settings[45] = "1000";
    std::vector<uint8_t> bytes = WriteSetupScript(spec);
    // Drop the NUL of the path: the record's last text ends with the script.
    bytes.pop_back();
    SetupModel model = ParseScript(bytes);
    ASSERT_EQ(model.UninstallFileList.Count(), 1);
    EXPECT_EQ(model.UninstallFileList.Field(0, 1), "@$&%04\\cache");

    // Cut a shortcut after its third field: the record exists, its other fields are empty.
    spec = DefaultSetupScript();
    spec.Languages.clear();
    spec.Shortcuts = {{"1", "Demo.lnk", "@$&%04\\demo.exe", "/fast", "Demo", "@$&%04\\demo.ico", "2", "@$&%04"}};
    bytes = WriteSetupScript(spec);
    size_t lastFields = JoinScriptTexts({"/fast", "Demo", "@$&%04\\demo.ico", "2", "@$&%04"}).size();
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - static_cast<long>(lastFields));
    model = ParseScript(cut);
    ASSERT_EQ(model.ShortcutList.Count(), 1);
    EXPECT_EQ(model.ShortcutList.Field(0, 2), "@$&%04\\demo.exe");
    for (int j = 3; j < 8; ++j) EXPECT_EQ(model.ShortcutList.Field(0, j), "") << j;
    EXPECT_EQ(model.ShortcutList.Texts.size(), 8u);
}

TEST(SetupModel, ReadsOutsideListsAndMessagesGiveEmptyTexts) {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.Fonts = {{"Demo Sans", "@$&%15\\demo.ttf"}};
    SetupModel model = ParseScript(WriteSetupScript(spec));
    ASSERT_EQ(model.FontList.Count(), 1);
    EXPECT_EQ(model.FontList.Field(0, 0), "Demo Sans");
    EXPECT_EQ(model.FontList.Field(1, 0), "");
    EXPECT_EQ(model.FontList.Field(0, 2), "");  // would be the next record's field 0
    EXPECT_EQ(model.FontList.Field(-1, 1), "");
    EXPECT_EQ(model.FontList.Field(0, -1), "");
    EXPECT_EQ(model.FontList.FieldNumber(5, 0), 0);
    EXPECT_EQ(model.ComServerList.Field(0, 0), "");
    EXPECT_EQ(model.Message(0), "");
    EXPECT_EQ(model.Message(85), "");
    EXPECT_EQ(model.Message(-3), "");

    // A language index that names no language leaves the messages alone.
    std::vector<std::string> before = model.Messages;
    model.SelectLanguageMessages(1);
    model.SelectLanguageMessages(-1);
    model.SelectLanguageMessages(1000000);
    EXPECT_EQ(model.Messages, before);
}
