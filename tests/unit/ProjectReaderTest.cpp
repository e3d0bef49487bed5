// Builder projects in JSON, read into setup scripts.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "builder/tool/ProjectReader.h"
#include "engine/TextDigest.h"

using namespace tarnwick;

TEST(ProjectReader, StatesOnlyWhatDiffersFromTheDefaults) {
    SetupScriptSpec spec = ReadProject(R"({
        "application": "Globex Viewer",
        "settings": { "SetupTitle": "Globex Viewer 2.0 Setup", "58": "@$&%01\\Globex", "ShowLicense": true,
                      "RequiredSpace": 5000000, "ShowWelcome": false },
        "password": "open sesame",
        "uninstallEntries": true,
        "files": [ { "destination": "@$&%04\\viewer.exe", "overwrite": 2 },
                   [ "@$&%04\\readme.txt", "0", "0", false ] ],
        "installPrograms": [ { "file": "@$&%04\\setup-helper.exe", "when": 0, "wait": true } ],
        "uninstallPrograms": [ [ "", "@$&%04\\cleanup.exe" ] ],
        "languages": [ { "name": "English" },
                       { "name": "Deutsch", "id": 1031, "messages": { "23": "Weiter >", "24": "< Zurück" } } ]
    })");

    EXPECT_EQ(spec.Settings[65], "Globex Viewer 2.0 Setup");
    EXPECT_EQ(spec.Settings[58], "@$&%01\\Globex");
    EXPECT_EQ(spec.Settings[30], "1");
    EXPECT_EQ(spec.Settings[23], "5000000");
    EXPECT_EQ(spec.Settings[111], "0");
    EXPECT_EQ(spec.Settings[29], TextDigest("open sesame"));
    EXPECT_EQ(spec.Settings[55], "Globex Viewer");  // from "application"
    EXPECT_EQ(spec.Settings[112], "1");             // untouched default

    ASSERT_EQ(spec.Files.size(), 2u);
    EXPECT_EQ(spec.Files[0].Destination, "@$&%04\\viewer.exe");
    EXPECT_EQ(spec.Files[0].Overwrite, "2");
    EXPECT_EQ(spec.Files[0].Logged, "1");
    EXPECT_EQ(spec.Files[1].Logged, "0");
    ASSERT_EQ(spec.InstallPrograms.size(), 1u);
    EXPECT_EQ(spec.InstallPrograms[0].When, "0");
    EXPECT_EQ(spec.InstallPrograms[0].Wait, "1");
    EXPECT_EQ(spec.UninstallPrograms[0].File, "@$&%04\\cleanup.exe");
    ASSERT_EQ(spec.RegistryEntries.size(), 2u);
    EXPECT_EQ(spec.RegistryEntries[0].Data, "Globex Viewer");

    ASSERT_EQ(spec.Languages.size(), 2u);
    EXPECT_EQ(spec.Languages[0].Messages, EnglishMessages("Globex Viewer"));
    EXPECT_EQ(spec.Languages[1].LanguageId, "1031");
    EXPECT_EQ(spec.Languages[1].Messages[22], "Weiter >");
    EXPECT_EQ(spec.Languages[1].Messages[23], "< Zur\xFC" "ck");  // the Western code page, not UTF-8
    EXPECT_EQ(spec.Languages[1].Messages[0], "Welcome to the Globex Viewer Setup Wizard");
}

TEST(ProjectReader, NamesTheFaultyEntry) {
    struct Case {
        const char* project;
        const char* message;
    } cases[] = {
        {R"({"settings": {"SetupTitel": "x"}})", "settings.SetupTitel"},
        {R"({"settings": {"121": "x"}})", "settings.121"},
        {R"({"settings": {"SetupTitle": 1.5}})", "settings.SetupTitle"},
        {R"({"files": [{"destinaton": "x"}]})", "unknown field \"destinaton\""},
        {R"({"fonts": [["a", "b", "c"]]})", "fonts[0]"},
        {R"({"fonts": {"name": "a"}})", "fonts"},
        {R"({"languages": [{"name": "X", "messages": {"85": "x"}}]})", "languages[0].messages"},
        {R"({"languages": [{"name": "X", "messages": {"ShowLicense": "x"}}]})", "numbered 1 to 84"},
        {R"({"languages": []})", "languages"},
        {R"({"lists": []})", "unknown project entry"},
        {R"({"settings": )", "not valid JSON"},
        {R"([1, 2])", "a project is a JSON object"},
    };
    for (const Case& c : cases) {
        try {
            ReadProject(c.project);
            ADD_FAILURE() << "accepted " << c.project;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(ProjectReader, DemoProjectMakesAScriptThatReadsBack) {
    std::string root = TARNWICK_TEST_DATA;
    root.erase(root.rfind("/tests/data"));
    std::ifstream file(root + "/examples/demo.json");
    ASSERT_TRUE(file) << "examples/demo.json";
    std::stringstream text;
    text << file.rdbuf();
    SetupScriptSpec spec = ReadProject(text.str());

    MemoryStream script(WriteSetupScript(spec));
    SetupModel model;
    ParseGeneralSettings(script, model);
    ParseRegistryVariableList(script, model);
    ParseRecordLists(script, model);
    EXPECT_EQ(script.Position(), script.Size());
    EXPECT_EQ(model.FileList.Count(), static_cast<int>(spec.Files.size()));
    EXPECT_EQ(model.LanguageCount(), static_cast<int>(spec.Languages.size()));
    EXPECT_EQ(model.SettingText(35), ComputeIntegrityCode(model.GeneralSettings));
}

TEST(ProjectReader, TextsAreConvertedToTheWesternCodePage) {
    struct Case {
        const char* utf8;
        const char* ansi;  // nullptr: refused
    } cases[] = {
        {"plain", "plain"},
        {"Zur\xC3\xBC" "ck", "Zur\xFC" "ck"},           // u with diaeresis
        {"\xE2\x82\xAC 5", "\x80 5"},                    // euro sign
        {"\xE2\x80\x9Equoted\xE2\x80\x9C", "\x84quoted\x93"},
        {"\xE6\x97\xA5", nullptr},                        // a CJK character
        {"\xC3", nullptr},                                // cut sequence
        {"\xC3(", nullptr},                               // bad continuation
    };
    for (const Case& c : cases) {
        if (c.ansi) {
            EXPECT_EQ(Windows1252FromUtf8(c.utf8), c.ansi) << c.utf8;
        } else {
            EXPECT_THROW(Windows1252FromUtf8(c.utf8), std::invalid_argument) << c.utf8;
        }
    }
    // In a project, the faulty entry is named.
    try {
        ReadProject(R"({"languages": [{"name": "\u65e5\u672c"}]})");
        FAIL() << "a name outside the code page was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("languages"), std::string::npos) << e.what();
    }
}
