// The command line of a real process and the long form of "/P=" through the shell's names.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "MachineTestSupport.h"
#include "startup/win32/ProgramArguments.h"

using namespace tarnwick;
using namespace testsupport;

namespace {

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = {};
    GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return buffer;
}

}  // namespace

TEST(ProgramArguments, ProgramPathIsTheModuleFile) {
    CommandLine commandLine = ProcessCommandLine();
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(commandLine.Argument(0), path);
    // Whatever CTest or the shell passed, the split equals that of the raw command line.
    EXPECT_EQ(commandLine.Arguments, SplitArguments(GetCommandLineA()));
}

TEST(ProgramArguments, ShortFolderNamesBecomeLongOnes) {
    // Wine makes up its short names (C:\PROG~FBU for C:\Program Files), so ask it for them.
    char programFiles[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles)));
    const std::string shortProgramFiles = ShortForm(programFiles);
    ASSERT_NE(shortProgramFiles.find('~'), std::string::npos) << shortProgramFiles;

    const std::string folder = MakeScratchFolder("Tarnwick Long Path Test");
    const std::string inner = folder + "\\Inner Folder Name";
    CreateDirectoryA(inner.c_str(), nullptr);
    const std::string shortInner = ShortForm(inner);
    ASSERT_NE(shortInner, inner);
    ASSERT_NE(shortInner.find('~'), std::string::npos) << shortInner;

    struct Case { std::string typed; std::string result; } cases[] = {
        {shortProgramFiles, programFiles},
        {shortProgramFiles + "\\Demo App", std::string(programFiles) + "\\Demo App"},  // Demo App is not there
        {shortInner + "\\app.exe", inner + "\\app.exe"},
        {shortInner + "\\", inner + "\\"},
        {"C:\\No Such Folder\\Deeper", "C:\\No Such Folder\\Deeper"},
    };
    for (const Case& c : cases) EXPECT_EQ(LongPathForm(c.typed, &ShellDisplayName), c.result) << c.typed;

    SetupModel model;
    RunState state;
    CommandLine commandLine;
    commandLine.Arguments = {"x", "/p=" + shortProgramFiles + "\\MyGame"};
    ParseOptions(commandLine, model, state);
    EXPECT_EQ(model.SettingText(58), std::string(programFiles) + "\\MyGame");  // the typed part keeps its case
    RemoveFolderTree(folder);
}
