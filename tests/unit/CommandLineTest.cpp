// Splitting the command line, the options and the language named with "/L=".

#include <gtest/gtest.h>

#include <map>

#include "startup/CommandLine.h"

using namespace tarnwick;

namespace {

using Args = std::vector<std::string>;

// The shell's display names of a few folders of a pretend machine.
std::string PretendDisplayName(const std::string& path) {
    static const std::map<std::string, std::string> names = {
        {"C:\\PROGRA~1", "Program Files"},
        {"C:\\Program Files\\MYAPPL~1", "My Application"},
        {"C:\\Program Files\\My Application\\SETUP~1.EXE", "Setup Helper"},  // extension hidden
        {"C:\\Program Files\\My Application\\readme.txt", "readme.txt"},
        {"relative", "Relative Folder"},
        {"Relative Folder\\SUB", "Sub"},
    };
    auto found = names.find(path);
    return found == names.end() ? std::string() : found->second;
}

std::string NoDisplayName(const std::string&) { return std::string(); }

CommandLine Arguments(Args arguments) {
    CommandLine commandLine;
    commandLine.ProgramPath = "C:\\setup.exe";
    commandLine.Arguments = std::move(arguments);
    return commandLine;
}

SetupModel TwoLanguages() {
    SetupModel model;
    model.SetSetting(26, "2");
    model.LanguageList.Texts = {"English", "1033", "German", "1031"};
    return model;
}

}  // namespace

TEST(CommandLine, SplitsArguments) {
    struct Case { std::string line; Args arguments; } cases[] = {
        {"setup.exe", {}},
        {"setup.exe   ", {}},
        {"", {}},
        {"setup.exe a b", {"a", "b"}},
        {"\"C:\\Program Files\\setup.exe\" /S", {"/S"}},
        {"setup.exe \"a b\" c", {"a b", "c"}},
        {"setup.exe a\"b c\"d", {"a\"b c\"d"}},                 // quotes inside an argument stay
        {"setup.exe /P=\"C:\\My Games\"", {"/P=\"C:\\My Games\""}},
        {"setup.exe \"a b\"c", {"\"a b\"c"}},                   // starts with a quote but does not end with one
        {"setup.exe \"\"abc", {"abc"}},                         // a leading pair of quotes is skipped
        {"setup.exe \"\"\"a b\"", {"a b"}},
        {"setup.exe a \"\" b", {"a", "b"}},
        {"setup.exe \"\"", {}},
        {"setup.exe \"", {"\""}},                               // one character: nothing to take off
        {"setup.exe \"\"\"", {"\""}},
        {"setup.exe \"open end", {"\"open end"}},
        {"setup.exe\ta\x01\x1f" "b\r\nc", {"a", "b", "c"}},     // codes 1 to 32 all separate
        {"setup.exe caf\xe9 \xff", {"caf\xe9", "\xff"}},        // bytes above 127 belong to arguments
        {std::string("setup.exe a\0b c", 15), {"a"}},           // the count ends at the first empty argument
    };
    for (const Case& c : cases) EXPECT_EQ(SplitArguments(c.line), c.arguments) << c.line;
}

TEST(CommandLine, ArgumentsByNumber) {
    CommandLine commandLine = Arguments({"first", "second"});
    EXPECT_EQ(commandLine.Count(), 2);
    EXPECT_EQ(commandLine.Argument(0), "C:\\setup.exe");
    EXPECT_EQ(commandLine.Argument(1), "first");
    EXPECT_EQ(commandLine.Argument(2), "second");
    EXPECT_EQ(commandLine.Argument(3), "");
    EXPECT_EQ(commandLine.Argument(-1), "");
}

TEST(CommandLine, TheFirstArgumentIsNeverAnOption) {
    struct Case { Args arguments; bool silent; } cases[] = {
        {{"/S"}, false},
        {{"x", "/S"}, true},
        {{"x", "/s"}, true},
        {{"end", "/S"}, true},
        {{"x", "/S "}, false},  // whole-argument options must match exactly (quoted to keep the space)
        {{"x", "/SILENT"}, false},
    };
    for (const Case& c : cases) {
        SetupModel model;
        RunState state;
        ParseOptions(Arguments(c.arguments), model, state, &NoDisplayName);
        EXPECT_EQ(state.SilentRun, c.silent) << c.arguments.back();
    }
}

TEST(CommandLine, OptionsChangeTheirSettingsAndState) {
    SetupModel model;
    model.SetSetting(58, "@$&%01\\Demo");
    model.SetSetting(63, "1");
    model.SetSetting(106, "Demo");
    model.SetSetting(107, "1");
    RunState state;
    ParseOptions(Arguments({"x", "/nc", "/Nr", "/p=D:\\Games\\MyGame", "/g=First", "/G=Second Group", "/l=Deutsch",
                            "/sp", "/P", "/X=1"}),
                 model, state, &NoDisplayName);
    EXPECT_FALSE(state.SilentRun);
    EXPECT_TRUE(state.NoCancel);
    EXPECT_EQ(model.SettingText(63), "0");
    EXPECT_EQ(model.SettingText(58), "D:\\Games\\MyGame");  // the value keeps its case
    EXPECT_EQ(model.SettingText(106), "Second Group");      // the later argument wins
    EXPECT_EQ(state.SelectedLanguageName, "Deutsch");
    EXPECT_EQ(model.SettingText(107), "0");

    // Options without a value set their setting to the empty text.
    ParseOptions(Arguments({"x", "/G=", "/L="}), model, state, &NoDisplayName);
    EXPECT_EQ(model.SettingText(106), "");
    EXPECT_EQ(state.SelectedLanguageName, "");
}

TEST(CommandLine, LongPathFormUsesTheShellsNames) {
    struct Case { const char* typed; const char* result; } cases[] = {
        {"C:\\PROGRA~1", "C:\\Program Files"},
        {"C:\\PROGRA~1\\MYAPPL~1\\", "C:\\Program Files\\My Application\\"},
        {"C:\\PROGRA~1\\MYAPPL~1\\NEWDIR", "C:\\Program Files\\My Application\\NEWDIR"},  // not there yet: as typed
        {"C:\\PROGRA~1\\MYAPPL~1\\SETUP~1.EXE", "C:\\Program Files\\My Application\\Setup Helper.EXE"},
        {"C:\\PROGRA~1\\MYAPPL~1\\readme.txt", "C:\\Program Files\\My Application\\readme.txt"},
        {"c:\\progra~1", "c:\\progra~1"},  // the names are the pretend shell's, which knows only capitals
        {"relative\\SUB", "Relative Folder\\Sub"},
        {"D:\\Unknown\\Place", "D:\\Unknown\\Place"},
        {"C:", "C:"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(LongPathForm(c.typed, &PretendDisplayName), c.result) << c.typed;
}

TEST(CommandLine, PathOptionTakesTheLongForm) {
    SetupModel model;
    RunState state;
    ParseOptions(Arguments({"x", "/P=C:\\PROGRA~1\\MYAPPL~1"}), model, state, &PretendDisplayName);
    EXPECT_EQ(model.SettingText(58), "C:\\Program Files\\My Application");
}

TEST(CommandLine, LanguageOptionMatchesPartOfAName) {
    struct Case { const char* value; int index; const char* nameAfter; } cases[] = {
        {"eng", 0, "eng"},
        {"ENGLISH", 0, "ENGLISH"},
        {"man", 1, "man"},
        {"e", 1, "e"},  // both names hold an E: the last one wins
        {"xx", 255, ""},
        {"English (UK)", 255, ""},
    };
    for (const Case& c : cases) {
        SetupModel model = TwoLanguages();
        RunState state;
        state.SelectedLanguageName = c.value;
        MatchLanguageOption(model, state);
        EXPECT_EQ(state.LanguageIndex, c.index) << c.value;
        EXPECT_EQ(state.SelectedLanguageName, c.nameAfter) << c.value;
    }

    // No value: nothing was preset, nothing changes.
    SetupModel model = TwoLanguages();
    RunState state;
    state.LanguageIndex = 1;
    MatchLanguageOption(model, state);
    EXPECT_EQ(state.LanguageIndex, 1);
    EXPECT_EQ(state.SelectedLanguageName, "");
}
