// Start-up's decisions: first-argument words, the uninstaller's relaunch, refusals and where the
// language comes from, including the language dialog's preselection.

#include <gtest/gtest.h>

#include "startup/StartUpRules.h"
#include "ui/LanguagePreselection.h"

using namespace tarnwick;

namespace {

CommandLine Arguments(std::vector<std::string> arguments) {
    CommandLine commandLine;
    commandLine.ProgramPath = "C:\\Program Files\\Demo\\uninstall.exe";
    commandLine.Arguments = std::move(arguments);
    return commandLine;
}

// Languages as (name, identifier) pairs, each with its own message 52.
SetupModel Languages(std::vector<std::pair<std::string, std::string>> languages) {
    SetupModel model;
    model.SetSetting(26, std::to_string(languages.size()));
    model.Messages.assign(languages.size() * MessagesPerLanguage + 1, "");
    for (size_t i = 0; i < languages.size(); ++i) {
        model.LanguageList.Texts.push_back(languages[i].first);
        model.LanguageList.Texts.push_back(languages[i].second);
        model.Messages[i * MessagesPerLanguage + 52] = "unsupported in " + languages[i].first + ": ";
    }
    return model;
}

}  // namespace

TEST(StartUpRules, FirstArgumentWordsAreExactAndOnlyFirst) {
    EXPECT_TRUE(IsBuilderTestRun(Arguments({"test"})));
    EXPECT_TRUE(IsBuilderTestRun(Arguments({"test", "/S"})));
    EXPECT_FALSE(IsBuilderTestRun(Arguments({"TEST"})));
    EXPECT_FALSE(IsBuilderTestRun(Arguments({"/S", "test"})));
    EXPECT_FALSE(IsBuilderTestRun(Arguments({})));
    EXPECT_TRUE(IsRelaunchedUninstaller(Arguments({"end", "/S"})));
    EXPECT_FALSE(IsRelaunchedUninstaller(Arguments({"End"})));
    EXPECT_FALSE(IsRelaunchedUninstaller(Arguments({})));
}

TEST(StartUpRules, RelaunchPassesEveryArgumentOnUnquoted) {
    EXPECT_EQ(RelaunchParameters(Arguments({})), " end");
    EXPECT_EQ(RelaunchParameters(Arguments({"/S", "/P=C:\\My Apps"})), " end /S /P=C:\\My Apps");
    EXPECT_EQ(RelaunchParameters(Arguments({"end"})), " end end");

    EXPECT_EQ(UninstallerCopyPath("C:\\Temp\\", "C:\\Program Files\\Demo\\uninst.exe"), "C:\\Temp\\uninst.exe");
    EXPECT_EQ(UninstallerCopyPath("C:\\Temp\\", "D:uninst.exe"), "C:\\Temp\\uninst.exe");
    EXPECT_EQ(UninstallerCopyPath("C:\\Temp\\", "uninst.exe"), "C:\\Temp\\uninst.exe");

    SetupModel model;
    model.SetSetting(55, "Demo Application");
    EXPECT_EQ(UninstallKeyPath(model), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo Application");
}

TEST(StartUpRules, RefusalTextsAndTheWindowsMask) {
    SetupModel model = Languages({{"English", "1033"}, {"Deutsch", "1031"}});
    model.SetSetting(62, "Windows 2000 or later.");
    EXPECT_EQ(UnsupportedWindowsText(model), "unsupported in English: Windows 2000 or later.");

    model.SetSetting(61, "511");  // only the low byte counts
    EXPECT_EQ(AllowedWindowsMask(model), 255);
    model.SetSetting(61, "x");
    EXPECT_EQ(AllowedWindowsMask(model), 0);

    model.SetSetting(65, "@$&%10 Setup");
    model.SetSetting(75, "@$&%10 Uninstall");
    EXPECT_EQ(ApplicationTitleSetting(model, true), "@$&%10 Setup");
    EXPECT_EQ(ApplicationTitleSetting(model, false), "@$&%10 Uninstall");
}

TEST(StartUpRules, DotNetDecision) {
    struct Case { const char* required; const char* atLeast; double installed; bool refused; } cases[] = {
        {"0", "0", 0.0, false},      // no requirement
        {"2.0", "0", 2.0, false},
        {"2.0", "0", 3.5, true},     // exact match needed
        {"2.0", "0", 0.0, true},
        {"2.0", "1", 3.5, false},
        {"2.0", "1", 1.1, true},
        {"2.0.50727", "1", 2.0, false},
    };
    for (const Case& c : cases) {
        SetupModel model;
        model.SetSetting(100, c.required);
        model.SetSetting(85, c.atLeast);
        EXPECT_EQ(DotNetRefused(model, c.installed), c.refused) << c.required << " " << c.atLeast << " " << c.installed;
    }
}

TEST(StartUpRules, WhereTheLanguageComesFrom) {
    RunState state;
    SetupModel one = Languages({{"English", "1033"}});
    SetupModel two = Languages({{"English", "1033"}, {"Deutsch", "1031"}});
    EXPECT_EQ(ChooseLanguageSource(one, state), LanguageSource::Single);
    EXPECT_EQ(ChooseLanguageSource(two, state), LanguageSource::Dialog);
    state.SelectedLanguageName = "deu";
    EXPECT_EQ(ChooseLanguageSource(one, state), LanguageSource::Single);
    EXPECT_EQ(ChooseLanguageSource(two, state), LanguageSource::CommandLine);

    ApplyLanguage(1, two, state);
    EXPECT_EQ(state.LanguageIndex, 1);
    EXPECT_EQ(state.SelectedLanguageName, "Deutsch");
    EXPECT_EQ(two.Message(52), "unsupported in Deutsch: ");
}

TEST(StartUpRules, LanguageFromTheLogNamesALanguageOfTheSetup) {
    SetupModel model = Languages({{"English", "1033"}, {"Deutsch", "1031"}, {"Français", "1036"}});
    struct Case { const char* value; int index; } cases[] = {
        {"0", 0}, {"2", 2}, {"1x", 1}, {"", 0}, {"x", 0},
        {"3", 0},    // past the list
        {"-1", 0},
        {"257", 0},  // would be 1 as a byte
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageFromLog(c.value, model), c.index) << c.value;
}

TEST(LanguagePreselection, UserLanguageThenEnglishThenFirst) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> languages;
        int userLanguage;
        int preselected;
    } cases[] = {
        {"match", {{"English", "1033"}, {"Deutsch", "1031"}}, 1031, 1},
        {"later match wins", {{"Deutsch", "1031"}, {"English", "1033"}, {"Deutsch (Du)", "1031"}}, 1031, 2},
        {"leading digits count", {{"English", "1033"}, {"Deutsch", "1031de"}}, 1031, 1},
        {"English fallback", {{"Deutsch", "1031"}, {"English", "2057"}, {"English", "1033"}}, 1036, 1},
        {"English is case-sensitive", {{"Deutsch", "1031"}, {"english", "1033"}}, 1036, 0},
        {"first otherwise", {{"Deutsch", "1031"}, {"Nederlands", "1043"}}, 1036, 0},
        {"no languages", {}, 1033, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreselectedLanguage(Languages(c.languages), c.userLanguage), c.preselected) << c.what;
    }
}
