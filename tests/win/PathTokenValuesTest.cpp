// The machine's values of the path tokens under Wine: folders, names, short forms, Quick Launch.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "MachineTestSupport.h"
#include "engine/win32/Registry.h"
#include "engine/win32/TokenValues.h"

using namespace tarnwick;
using namespace testsupport;

namespace {

// Another way to the same special folders than the one the tokens use.
std::string FolderPathOf(int csidl) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, 0, path)) ? std::string(path) : std::string();
}

std::string WindowsFolderWithoutBackslash() {
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

const char MapGroupsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";

}  // namespace

TEST(PathTokenValues, InstallFolderGetsOneBackslash) {
    RunState state;
    state.InstallFolder = "C:\\Games\\Demo\\";
    EXPECT_EQ(ExpandPathTokens("@$&%04\\demo.exe", state), "C:\\Games\\Demo\\demo.exe");
    EXPECT_EQ(ExpandPathTokens("@$&%4\\readme.txt", state), "C:\\Games\\Demoreadme.txt");
    EXPECT_EQ(ResolveToken(4, state), "C:\\Games\\Demo");

    // Changing the folder changes every later expansion.
    state.InstallFolder = "D:\\Other\\";
    EXPECT_EQ(ExpandPathTokens("@$&%04\\demo.exe", state), "D:\\Other\\demo.exe");

    // A folder typed with its own token in it.
    state.InstallFolder = "C:\\@$&%04\\";
    EXPECT_EQ(ExpandPathTokens("@$&%04\\demo.exe", state), "C:\\\\demo.exe");
}

TEST(PathTokenValues, SystemFoldersAndNames) {
    RunState state;
    state.SelectedLanguageName = "Deutsch";
    const std::string windows = WindowsFolderWithoutBackslash();
    char system[MAX_PATH] = {}, temp[MAX_PATH] = {}, user[256] = {}, computer[256] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    GetTempPathA(MAX_PATH, temp);
    DWORD userSize = sizeof user, computerSize = sizeof computer;
    GetUserNameA(user, &userSize);
    GetComputerNameA(computer, &computerSize);
    const std::string program = TestProgramFolder();

    struct Case { int number; std::string value; } cases[] = {
        {1, FolderPathOf(CSIDL_PROGRAM_FILES)},
        {2, windows},
        {3, system},
        {5, WithoutTrailingBackslash(temp)},
        {17, "C:"},
        {18, program.substr(0, program.size() - 1)},
        {20, user},
        {21, "Deutsch"},
        {22, computer},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.value.empty()) << c.number;
        EXPECT_EQ(ResolveToken(c.number, state), c.value) << c.number;
        EXPECT_NE(c.value.back(), '\\') << c.number;
    }
    EXPECT_EQ(windows.substr(0, 2), "C:");
    EXPECT_EQ(ExpandPathTokens("@$&%17\\boot.ini", state), "C:\\boot.ini");
    EXPECT_EQ(ExpandPathTokens("@$&%02@$&%00", state), windows);
    for (int empty : {0, 19, 23, 24, 25, 36, 40, 81, 100, 101, 255}) EXPECT_EQ(ResolveToken(empty, state), "") << empty;
    EXPECT_EQ(ExpandPathTokens("x@$&%", state), "x");
    EXPECT_EQ(ExpandPathTokens("@$&%-1|@$&%19|@$&%23|@$&%36", state), "|||");
}

TEST(PathTokenValues, SpecialFolders) {
    RunState state;
    struct Case { int number; int csidl; } cases[] = {
        {6, CSIDL_DESKTOPDIRECTORY}, {8, CSIDL_PROGRAMS}, {9, CSIDL_STARTMENU}, {10, CSIDL_PERSONAL},
        {11, CSIDL_FAVORITES}, {12, CSIDL_SENDTO}, {13, CSIDL_PROFILE}, {14, CSIDL_STARTUP}, {15, CSIDL_FONTS},
        {16, CSIDL_PROGRAM_FILES_COMMON}, {26, CSIDL_APPDATA}, {27, CSIDL_COMMON_APPDATA},
        {28, CSIDL_COMMON_DESKTOPDIRECTORY}, {29, CSIDL_COMMON_DOCUMENTS}, {30, CSIDL_COMMON_FAVORITES},
        {31, CSIDL_COMMON_PROGRAMS}, {32, CSIDL_COMMON_STARTMENU}, {33, CSIDL_COMMON_STARTUP}, {34, CSIDL_TEMPLATES},
        {35, CSIDL_COMMON_TEMPLATES},
    };
    for (const Case& c : cases) {
        std::string expected = FolderPathOf(c.csidl);
        EXPECT_FALSE(expected.empty()) << c.number;
        EXPECT_EQ(ResolveToken(c.number, state), expected) << c.number;
    }
    EXPECT_EQ(SpecialFolderPath(0x7F), "");  // no such folder
}

TEST(PathTokenValues, ShortFormOfTheInstallFolder) {
    const std::string folder = MakeScratchFolder("Tarnwick Long Folder Name") + "\\";
    RemoveFolderTree(folder.substr(0, folder.size() - 1));
    RunState state;
    state.InstallFolder = folder;
    EXPECT_EQ(ResolveToken(44, state), "");  // not there yet
    EXPECT_EQ(ExpandPathTokens("@$&%44\\app.exe", state), "\\app.exe");

    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string shortForm = ResolveToken(44, state);
    EXPECT_NE(shortForm.find('~'), std::string::npos) << shortForm;
    EXPECT_NE(shortForm.back(), '\\');
    char longForm[MAX_PATH] = {};
    GetLongPathNameA(shortForm.c_str(), longForm, MAX_PATH);
    EXPECT_EQ(longForm, folder.substr(0, folder.size() - 1));
    EXPECT_EQ(ExpandPathTokens("@$&%44\\app.exe", state), shortForm + "\\app.exe");

    EXPECT_EQ(ResolveToken(41, state), ShortPathForm(ResolveToken(1, state)));
    EXPECT_EQ(ResolveToken(57, state), "C:");  // the short form of the system drive
    EXPECT_EQ(ResolveToken(59, state), "");  // 19 is empty, and so is its short form
    RemoveFolderTree(folder.substr(0, folder.size() - 1));
}

class QuickLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        mapGroupsExisted_ = KeyExists(HKEY_CURRENT_USER, MapGroupsKey);
        savedMapping_ = ReadRegistryString(1, MapGroupsKey, "Quick Launch");
        DeleteKeyTree(HKEY_CURRENT_USER, MapGroupsKey);
        standard_ = SpecialFolderPath(FolderAppData) + "\\Microsoft\\Internet Explorer\\Quick Launch";
        standardExisted_ = FolderExists(standard_);
    }
    void TearDown() override {
        DeleteKeyTree(HKEY_CURRENT_USER, MapGroupsKey);
        if (mapGroupsExisted_) WriteRegistryValue(1, MapGroupsKey, "Quick Launch", true, RegistryText, savedMapping_);
        if (!savedMapping_.empty() || !mapGroupsExisted_) return;
        // The key existed without a mapping: leave it empty, as it was.
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, MapGroupsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "Quick Launch");
            RegCloseKey(key);
        }
    }

    bool mapGroupsExisted_ = false;
    std::string savedMapping_;
    std::string standard_;
    bool standardExisted_ = false;
};

TEST_F(QuickLaunchTest, MissingFolderIsEmptyAndLeavesTheKeyCreated) {
    RunState state;
    if (standardExisted_) GTEST_SKIP() << "this prefix has a Quick Launch folder: " << standard_;
    EXPECT_EQ(ResolveToken(7, state), "");
    EXPECT_EQ(ExpandPathTokens("@$&%07\\x.lnk", state), "\\x.lnk");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, MapGroupsKey));
}

TEST_F(QuickLaunchTest, StandardFolderOrTheShellsMapping) {
    RunState state;
    // The standard folder, once it exists.
    const std::string explorer = SpecialFolderPath(FolderAppData) + "\\Microsoft\\Internet Explorer";
    const bool explorerExisted = FolderExists(explorer);
    CreateDirectoryA(explorer.c_str(), nullptr);
    CreateDirectoryA(standard_.c_str(), nullptr);
    EXPECT_EQ(ResolveToken(7, state), standard_);

    // A mapping of the shell wins over the standard folder, but only when its folder exists.
    const std::string mapped = MakeScratchFolder("Tarnwick Quick Launch");
    WriteRegistryValue(1, MapGroupsKey, "Quick Launch", true, RegistryText, mapped + "\\");
    EXPECT_EQ(ResolveToken(7, state), mapped);
    RemoveFolderTree(mapped);
    EXPECT_EQ(ResolveToken(7, state), "");

    if (!standardExisted_) RemoveDirectoryA(standard_.c_str());
    if (!explorerExisted) RemoveDirectoryA(explorer.c_str());
}
