// Loading a package under Windows: stream files in the real temporary folder, and its cleanup.

#include <gtest/gtest.h>

#include <windows.h>

#include "base/Stream.h"
#include "builder/PackageWriter.h"
#include "package/win32/Package.h"
#include "package/win32/TempFolder.h"

using namespace tarnwick;

namespace {

std::vector<uint8_t> Filled(size_t size, char c) { return std::vector<uint8_t>(size, static_cast<uint8_t>(c)); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Removes every file a test left in the TempFolder, whatever its number.
void EmptyTempFolder() {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((TempFolder() + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((TempFolder() + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::string WritePackage(const PackageContents& contents) {
    std::string path = UserTempPath() + "tarnwick-load-test.exe";
    EXPECT_TRUE(WriteWholeFile(path, AssemblePackage(contents)));
    return path;
}

}  // namespace

TEST(TempFolder, NamesFollowTheUserTempPath) {
    std::string temp = UserTempPath();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_EQ(TempFolder(), temp + "$inst\\");
    EXPECT_EQ(TempFileName(6), temp + "$inst\\6.tmp");
    EXPECT_EQ(TempFileName(-1), temp + "$inst\\-1.tmp");
}

TEST(PackageLoad, StreamsOfEveryKindGoWhereTheyBelong) {
    CreateTempFolder();
    EmptyTempFolder();
    ASSERT_TRUE(Exists(TempFolder()));

    PackageContents contents;
    contents.ProgramImage = Filled(5000, 'M');
    contents.Streams = {
        {0, Filled(777, 's')},            // the setup script
        {4, Filled(60, '4')},             // header picture, replaced below
        {5, Filled(61, '5')},
        {6, Filled(62, 'a')},             // background picture file, replaced below
        {7, Filled(63, '7')},
        {15, Filled(64, 'L')},
        {16, Filled(65, 'I')},
        {17, Filled(2176, 'C')},
        {6, Filled(10, 'b')},             // the later stream of a kind wins
        {4, Filled(11, 'h')},
        {3, {}},                          // an empty stream still makes its file
    };
    LoadedPackage package;
    ASSERT_EQ(LoadPackageFile(WritePackage(contents), package), PackageLoadResult::Loaded);

    EXPECT_TRUE(package.IsInstaller);
    EXPECT_EQ(package.SetupScript.Bytes(), Filled(777, 's'));
    EXPECT_EQ(package.SetupScript.Position(), 0);
    EXPECT_EQ(package.Bitmaps.size(), 3u);
    EXPECT_EQ(package.Bitmaps[4], Filled(11, 'h'));
    EXPECT_EQ(package.Bitmaps[5], Filled(61, '5'));
    EXPECT_EQ(package.Bitmaps[7], Filled(63, '7'));

    std::vector<uint8_t> file;
    struct { int kind; std::vector<uint8_t> bytes; } expected[] = {
        {6, Filled(10, 'b')}, {15, Filled(64, 'L')}, {16, Filled(65, 'I')}, {17, Filled(2176, 'C')}, {3, {}},
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(ReadWholeFile(TempFileName(e.kind), file)) << e.kind;
        EXPECT_EQ(file, e.bytes) << e.kind;
    }
    EXPECT_FALSE(Exists(TempFileName(0))) << "the script stays in memory";
    EXPECT_FALSE(Exists(TempFileName(4))) << "bitmaps stay in memory";
}

TEST(PackageLoad, CleanupRemovesFilesZeroToTwelveOnly) {
    CreateTempFolder();
    EmptyTempFolder();
    for (int n : {0, 5, 11, 12, 13, 17}) ASSERT_TRUE(WriteWholeFile(TempFileName(n), Filled(3, 'x')));
    CleanupTempFolder();
    for (int n : {0, 5, 11, 12}) EXPECT_FALSE(Exists(TempFileName(n))) << n;
    for (int n : {13, 17}) EXPECT_TRUE(Exists(TempFileName(n))) << n;
    EXPECT_TRUE(Exists(TempFolder())) << "a folder that is not empty stays";

    DeleteFileA(TempFileName(13).c_str());
    DeleteFileA(TempFileName(17).c_str());
    CleanupTempFolder();
    EXPECT_FALSE(Exists(TempFolder())) << "an empty folder is removed";
}

TEST(PackageLoad, UninstallerFlagWinsOverFileData) {
    CreateTempFolder();
    PackageContents contents;
    contents.ProgramImage = Filled(100, 'M');
    contents.Streams = {{0, Filled(5, 's')}};
    contents.FileData = Filled(1000, 'd');
    contents.PackedSizes = {400, 600};
    contents.Uninstaller = true;
    LoadedPackage package;
    ASSERT_EQ(LoadPackageFile(WritePackage(contents), package), PackageLoadResult::Loaded);
    EXPECT_FALSE(package.IsInstaller);
    EXPECT_EQ(package.PackedSizes, (std::vector<int64_t>{400, 600}));
    CleanupTempFolder();
}

TEST(PackageLoad, ProgramPathIsThisProgram) {
    std::string path = ProgramPath();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(lstrcmpiA(path.substr(path.size() - 13).c_str(), "win_tests.exe"), 0) << path;
}
