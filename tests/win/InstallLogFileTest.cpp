// The install log on disk: written where setting 92 points, replaced by a later installation, and
// read back through the system's INI reader as the uninstaller reads its copy.

#include <gtest/gtest.h>

#include <windows.h>

#include "MachineTestSupport.h"
#include "base/Stream.h"
#include "uninstall/win32/InstallLog.h"

using namespace tarnwick;

namespace {

std::string FileText(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return "<unreadable>";
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(InstallLogFile, WrittenToSetting92AndReadBackByKey) {
    const std::string folder = testsupport::MakeScratchFolder("tarnwick-install-log");
    SetupModel model;
    model.SetSetting(92, "@$&%04\\install.log");  // token 4: the install folder
    RunState state;
    state.InstallFolder = folder + "\\App\\";
    CreateDirectoryA(state.InstallFolder.c_str(), nullptr);
    state.LanguageIndex = 1;
    LoggedPaths paths;
    paths.Add("C:\\App\\demo.exe");
    paths.Add("C:\\App\\readme.txt");
    paths.Add("C:\\Users\\Public\\Desktop\\Demo.lnk");

    const std::string logPath = state.InstallFolder + "install.log";
    ASSERT_TRUE(WriteInstallLog(paths, model, state));
    EXPECT_EQ(paths.Count(), 0) << "the list is freed once written";
    EXPECT_EQ(FileText(logPath),
              "[f]\r\n1=C:\\App\\demo.exe\r\n2=C:\\App\\readme.txt\r\n3=C:\\Users\\Public\\Desktop\\Demo.lnk\r\n"
              "[s]\r\n0=3\r\n1=" + state.InstallFolder + "\r\n2=1\r\n");

    std::string values[3];
    ReadLogStateValues(logPath, values);
    EXPECT_EQ(values[0], "3");
    EXPECT_EQ(values[1], state.InstallFolder);
    EXPECT_EQ(values[2], "1");
    EXPECT_EQ(ReadInstallLogValue(logPath, "f", "2"), "C:\\App\\readme.txt");
    EXPECT_EQ(ReadInstallLogValue(logPath, "f", "4"), "");

    // A second installation into the same place leaves only its own paths.
    paths.Add("C:\\App\\other.exe");
    state.LanguageIndex = 0;
    ASSERT_TRUE(WriteInstallLog(paths, model, state));
    EXPECT_EQ(FileText(logPath), "[f]\r\n1=C:\\App\\other.exe\r\n[s]\r\n0=1\r\n1=" + state.InstallFolder + "\r\n2=0\r\n");
    testsupport::RemoveFolderTree(folder);
}

TEST(InstallLogFile, MissingFilesAndFoldersAreQuietlyEmpty) {
    const std::string folder = testsupport::MakeScratchFolder("tarnwick-install-log-missing");
    std::string values[3] = {"x", "y", "z"};
    ReadLogStateValues(folder + "\\absent.log", values);
    EXPECT_EQ(values[0], "");
    EXPECT_EQ(values[1], "");
    EXPECT_EQ(values[2], "");

    // A log that cannot be created: nothing written, nothing shown, the list still freed.
    SetupModel model;
    model.SetSetting(92, folder + "\\no such folder\\install.log");
    RunState state;
    LoggedPaths paths;
    paths.Add("C:\\App\\demo.exe");
    EXPECT_FALSE(WriteInstallLog(paths, model, state));
    EXPECT_EQ(paths.Count(), 0);
    testsupport::RemoveFolderTree(folder);
}

TEST(InstallLogFile, LongValuesAreCutAt4095Characters) {
    const std::string folder = testsupport::MakeScratchFolder("tarnwick-install-log-long");
    const std::string path = folder + "\\long.log";
    ASSERT_TRUE(SaveInstallLog(path, "[f]\r\n1=" + std::string(5000, 'a') + "\r\n"));
    EXPECT_EQ(ReadInstallLogValue(path, "f", "1"), std::string(4095, 'a'));
    testsupport::RemoveFolderTree(folder);
}
