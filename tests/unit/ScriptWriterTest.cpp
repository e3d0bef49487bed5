// The builder's script writer, read back through the setup model the runtime uses.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "builder/ScriptWriter.h"
#include "engine/TextDigest.h"
#include "ParseScript.h"
#include "package/SetupModel.h"

using namespace tarnwick;

namespace {

LanguageSpec NumberedLanguage(const std::string& name, const std::string& id, int index) {
    LanguageSpec language{name, id, {}};
    for (int n = 1; n <= MessagesPerLanguage; ++n) {
        language.Messages.push_back("L" + std::to_string(index) + " M" + std::to_string(n));
    }
    return language;
}

// Every list filled with records whose texts all differ, and three languages.
SetupScriptSpec FullSpec() {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.RegistryVariables = {{"2", "SOFTWARE\\Demo", "Path", "@$&%01\\Demo"}, {"1", "Software\\Demo", "User", ""}};
    spec.RegistryEntries = {{"1", "Software\\Demo", "Folder", "@$&%04", "0", "1", "1"},
                            {"2", "SOFTWARE\\Demo", "Flags", "0aFf10", "1", "0", "0"}};
    spec.UninstallRegistry = {{"1", "Software\\Demo", "Stale"}, {"2", "SOFTWARE\\Demo", ""}};
    spec.Fonts = {{"Demo Sans (TrueType)", "@$&%15\\demosans.ttf"}, {"Demo Mono", "@$&%15\\demomono.ttf"}};
    spec.Shortcuts = {{"0", "Demo.lnk", "@$&%04\\demo.exe", "/a", "Run Demo", "@$&%04\\demo.ico", "1", ""},
                      {"4", "@$&%06\\Docs.lnk", "@$&%04\\docs", "", "", "", "0", "@$&%04"}};
    spec.Files = {{"@$&%04\\demo.exe", "2", "132000000000000000", "1"}, {"@$&%04\\readme.txt", "0", "0", "0"}};
    spec.InstallPrograms = {{"x", "@$&%04\\pre.exe", "/q", "0", "0", "1"}, {"y", "@$&%04\\post.exe", "", "1", "1", "0"}};
    spec.UninstallPrograms = {{"z", "@$&%04\\bye.exe", "/u", "1", "0", "1"}};
    spec.IniEntries = {{"@$&%04\\demo.ini", "Main", "Folder", "@$&%04", "1", "1"},
                       {"@$&%02\\win.ini", "Demo", "Seen", "yes", "0", "0"}};
    spec.UninstallFiles = {{"0", "@$&%04\\cache.dat"}, {"2", "@$&%04\\logs"}};
    spec.ComServers = {{"@$&%04\\demo.ocx", "1"}, {"@$&%04\\helper.dll", "0"}};
    spec.Languages = {NumberedLanguage("English", "1033", 0), NumberedLanguage("Deutsch", "1031", 1),
                      NumberedLanguage("Francais", "1036", 2)};
    return spec;
}

template <class Record>
std::vector<std::string> Flatten(const std::vector<Record>& records) {
    std::vector<std::string> texts;
    for (const Record& record : records) {
        for (const std::string& text : RecordTexts(record)) texts.push_back(text);
    }
    return texts;
}

// The check the install sequence makes before it changes anything.
bool IntegrityCheckPasses(const SetupModel& model) {
    uint32_t sum = 0;
    for (int i = 0; i < 35; ++i) {
        for (char c : model.SettingText(i)) sum += static_cast<uint8_t>(c);
    }
    return TextDigest(std::to_string(sum)) == model.SettingText(35);
}

}  // namespace

TEST(ScriptWriter, EveryListReadsBackInOrderAndWidth) {
    SetupScriptSpec spec = FullSpec();
    std::vector<std::string> texts = ScriptTexts(spec);
    std::vector<uint8_t> bytes = JoinScriptTexts(texts);
    ASSERT_EQ(bytes, WriteSetupScript(spec));

    MemoryStream script(bytes);
    SetupModel model;
    ParseGeneralSettings(script, model);
    EXPECT_EQ(script.Position(), int64_t(JoinScriptTexts({texts.begin(), texts.begin() + 121}).size()));
    GeneralSettingArray settings = FinalSettings(spec);
    EXPECT_EQ(model.GeneralSettings, std::vector<std::string>(settings.begin(), settings.end()));
    ParseRegistryVariableList(script, model);
    ParseRecordLists(script, model);
    EXPECT_EQ(script.Position(), script.Size());  // nothing follows the messages

    struct Expected {
        const char* name;
        const RecordList& list;
        int width;
        std::vector<std::string> texts;
        int countSetting;
    } lists[] = {
        {"registry variables", model.RegistryVariableList, 4, Flatten(spec.RegistryVariables), 98},
        {"registry entries", model.RegistryEntryList, 7, Flatten(spec.RegistryEntries), 50},
        {"uninstall registry", model.UninstallRegistryList, 3, Flatten(spec.UninstallRegistry), 96},
        {"fonts", model.FontList, 2, Flatten(spec.Fonts), 31},
        {"shortcuts", model.ShortcutList, 8, Flatten(spec.Shortcuts), 54},
        {"files", model.FileList, 4, Flatten(spec.Files), 67},
        {"ini entries", model.IniEntryList, 6, Flatten(spec.IniEntries), 24},
        {"uninstall files", model.UninstallFileList, 2, Flatten(spec.UninstallFiles), 45},
        {"com servers", model.ComServerList, 2, Flatten(spec.ComServers), 20},
        {"languages", model.LanguageList, 2, {"English", "1033", "Deutsch", "1031", "Francais", "1036"}, 26},
    };
    for (const Expected& e : lists) {
        EXPECT_EQ(e.list.Width, e.width) << e.name;
        EXPECT_EQ(e.list.Texts, e.texts) << e.name;
        EXPECT_EQ(model.SettingNumber(e.countSetting), e.list.Count()) << e.name;
    }
    EXPECT_EQ(model.ShortcutList.Field(1, 7), "@$&%04");
    EXPECT_EQ(model.FileList.Field(0, 2), "132000000000000000");

    // Settings 40 = 2 and 25 = 1: three records, the third the uninstall-time one.
    EXPECT_EQ(model.SettingText(40), "2");
    EXPECT_EQ(model.SettingText(25), "1");
    ASSERT_EQ(model.RunProgramList.Texts.size(), 18u);
    EXPECT_EQ(model.InstallProgramCount(), 2);
    EXPECT_EQ(model.UninstallProgramCount(), 1);
    EXPECT_EQ(model.RunProgramList.Field(1, 1), "@$&%04\\post.exe");
    EXPECT_EQ(model.RunProgramList.Field(2, 1), "@$&%04\\bye.exe");
    EXPECT_TRUE(model.RunProgramList.FieldFlag(2, 5));
}

TEST(ScriptWriter, ThreeLanguagesWithTheThirdSelected) {
    SetupModel model = ParseScript(WriteSetupScript(FullSpec()));
    ASSERT_EQ(model.LanguageCount(), 3);
    ASSERT_EQ(model.Messages.size(), 3u * 84u + 1u);
    EXPECT_EQ(model.Messages[0], "");
    for (int n = 1; n <= 84; ++n) EXPECT_EQ(model.Message(n), "L0 M" + std::to_string(n));

    model.SelectLanguageMessages(2);
    for (int n = 1; n <= 84; ++n) {
        EXPECT_EQ(model.Message(n), "L2 M" + std::to_string(n));
        EXPECT_EQ(model.Messages[static_cast<size_t>(168 + n)], "L2 M" + std::to_string(n));
    }
    EXPECT_EQ(model.Messages[85], "L1 M1");  // the other blocks stay as they were
}

TEST(ScriptWriter, OneLanguageGivesEightyFiveElements) {
    SetupModel model = ParseScript(WriteSetupScript(DefaultSetupScript()));
    EXPECT_EQ(model.Messages.size(), 85u);
    EXPECT_EQ(model.LanguageList.Texts, (std::vector<std::string>{"English", "1033"}));
    model.SelectLanguageMessages(0);
    EXPECT_EQ(model.Message(23), "Next >");
    EXPECT_EQ(model.Message(84), "Visit the Demo Application web site");
}

TEST(ScriptWriter, IntegrityCodePassesTheInstallCheck) {
    SetupScriptSpec spec = FullSpec();
    spec.Settings[8] = "Caf\xE9 \xFF";  // bytes above 127 are added unsigned
    spec.Settings[29] = TextDigest("secret");
    std::vector<uint8_t> bytes = WriteSetupScript(spec);
    EXPECT_TRUE(IntegrityCheckPasses(ParseScript(bytes)));
    EXPECT_TRUE(IntegrityCheckPasses(ParseScript(WriteSetupScript(DefaultSetupScript()))));

    // Setting 27 is the first text after setting 26; find "Tarnwick Install System" in the bytes.
    const std::string branding = spec.Settings[27];
    auto at = std::search(bytes.begin(), bytes.end(), branding.begin(), branding.end());
    ASSERT_NE(at, bytes.end());

    std::vector<uint8_t> changed = bytes;
    changed[static_cast<size_t>(at - bytes.begin())] ^= 1;
    EXPECT_FALSE(IntegrityCheckPasses(ParseScript(changed)));

    std::vector<uint8_t> swapped = bytes;  // the same bytes in another order keep the sum
    std::swap(swapped[static_cast<size_t>(at - bytes.begin())], swapped[static_cast<size_t>(at - bytes.begin()) + 1]);
    EXPECT_TRUE(IntegrityCheckPasses(ParseScript(swapped)));

    // A test may write a wrong code on purpose.
    spec.KeepSettings = {35};
    spec.Settings[35] = "";
    SetupModel model = ParseScript(WriteSetupScript(spec));
    EXPECT_EQ(model.SettingText(35), "");
    EXPECT_FALSE(IntegrityCheckPasses(model));
}

TEST(ScriptWriter, DerivedSettingsFollowTheListsUnlessKept) {
    SetupScriptSpec spec = FullSpec();
    // Registry 2 + fonts 2 + shortcuts 2 + uninstall information 1 + INI 2 + COM 2 + install-time
    // programs 2 + files 2.
    EXPECT_EQ(FinalSettings(spec)[48], "15");
    spec.Settings[56] = "0";
    spec.ComServers.clear();
    GeneralSettingArray settings = FinalSettings(spec);
    EXPECT_EQ(settings[48], "12");
    EXPECT_EQ(settings[20], "0");  // count and switch in one: no COM registration at all

    spec.KeepSettings = {67, 48};
    spec.Settings[67] = "7";
    spec.Settings[48] = "1000";
    settings = FinalSettings(spec);
    EXPECT_EQ(settings[67], "7");
    EXPECT_EQ(settings[48], "1000");
    EXPECT_EQ(settings[50], "2");
}

TEST(ScriptWriter, DefaultSetupIsSmallAndComplete) {
    SetupModel model = ParseScript(WriteSetupScript(DefaultSetupScript()));
    EXPECT_EQ(model.SettingText(65), "Demo Application Setup");
    EXPECT_EQ(model.SettingText(58), "@$&%01\\Demo Application");
    EXPECT_EQ(model.SettingNumber(61) & 0xFF, 0xFF);
    for (int page : {111, 112, 113, 115, 116, 86, 56}) EXPECT_TRUE(model.SettingFlag(page)) << page;
    for (int off : {1, 30, 84, 110, 99}) EXPECT_FALSE(model.SettingFlag(off)) << off;
    EXPECT_EQ(model.SettingText(29), "");  // no password page
    // Every message the program uses has a text; the numbers it never shows are empty.
    for (int n = 1; n <= 84; ++n) {
        bool unused = n == 30 || n == 36 || n == 74 || n == 77 || n == 80 || n == 83;
        EXPECT_EQ(model.Message(n).empty(), unused) << "message " << n;
    }
    EXPECT_EQ(EnglishMessages("Globex Viewer")[0], "Welcome to the Globex Viewer Setup Wizard");
}

TEST(ScriptWriter, UninstallEntriesListTheApplication) {
    SetupScriptSpec spec = DefaultSetupScript();
    AddUninstallEntries(spec);
    SetupModel model = ParseScript(WriteSetupScript(spec));
    ASSERT_EQ(model.RegistryEntryList.Count(), 2);
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo Application";
    EXPECT_EQ(model.RegistryEntryList.Field(0, 1), key);
    EXPECT_EQ(model.RegistryEntryList.Field(0, 2), "DisplayName");
    EXPECT_EQ(model.RegistryEntryList.Field(1, 3), "\"@$&%04\\uninstall.exe\"");
    EXPECT_TRUE(model.RegistryEntryList.FieldFlag(1, 6));
}

TEST(ScriptWriter, RefusesWhatAScriptCannotHold) {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.Settings[65] = std::string("Demo\0Setup", 10);
    EXPECT_THROW(WriteSetupScript(spec), std::invalid_argument);

    spec = DefaultSetupScript();
    spec.Files.push_back({std::string("a\0b", 3)});
    EXPECT_THROW(WriteSetupScript(spec), std::invalid_argument);

    spec = DefaultSetupScript();
    spec.Languages[0].Messages.push_back("85th");
    EXPECT_THROW(WriteSetupScript(spec), std::invalid_argument);

    // Fewer than 84 messages are completed with empty ones, so the next language stays in place.
    spec = DefaultSetupScript();
    spec.Languages[0].Messages.resize(10);
    spec.Languages.push_back(NumberedLanguage("Deutsch", "1031", 1));
    SetupModel model = ParseScript(WriteSetupScript(spec));
    EXPECT_EQ(model.Message(10), "Please review the license terms before installing Demo Application.");
    EXPECT_EQ(model.Message(11), "");
    EXPECT_EQ(model.Messages[84 + 1], "L1 M1");
}
