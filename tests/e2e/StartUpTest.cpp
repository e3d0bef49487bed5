// Start-up as the user meets it: the refusals of unsuitable machines with their boxes and exit
// codes, the builder's "test" run, and the uninstaller's first steps.

#include <gtest/gtest.h>

#include <windows.h>

#include "TestSetup.h"
#include "base/Stream.h"
#include "builder/ScriptWriter.h"

using namespace e2e;

namespace {

const char* const UninstallKeyRoot = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char* const DotNetPolicyKey = "SOFTWARE\\Microsoft\\.NETFramework\\policy";

tarnwick::LanguageSpec German() {
    tarnwick::LanguageSpec german{"Deutsch", "1031", tarnwick::EnglishMessages()};
    german.Messages[51] = "Nicht auf diesem Windows. Es braucht ";  // message 52
    return german;
}

// The default setup with a second language and a background picture stream, which start-up
// writes to 6.tmp: a run that ends must leave no such file behind.
tarnwick::SetupScriptSpec SetupSpec() {
    tarnwick::SetupScriptSpec spec = tarnwick::DefaultSetupScript();
    spec.Settings[65] = "Demo Setup on @$&%17";  // token 17: the system drive
    spec.Languages.push_back(German());
    return spec;
}

std::string WriteSetupFile(const std::string& folder, const tarnwick::SetupScriptSpec& spec, bool uninstaller = false,
                           const std::string& name = "setup.exe") {
    tarnwick::PackageContents contents;
    contents.Streams.push_back({0, tarnwick::WriteSetupScript(spec)});
    contents.Streams.push_back({6, std::vector<uint8_t>(64, 'b')});
    contents.Uninstaller = uninstaller;
    return WriteSetup(folder, name, contents);
}

struct RunResult {
    bool ended = false;
    DWORD exitCode = 0;
    bool boxShown = false;
    driver::MessageBoxText box;
};

// Runs a setup; answers the first message box (if one comes within boxWaitMs) with `answer`.
RunResult RunAndAnswer(const std::string& path, const std::string& arguments, int answer, DWORD boxWaitMs = 15000) {
    RunResult result;
    driver::Program program;
    if (!program.Start(path, arguments)) return result;
    if (HWND box = driver::WaitForMessageBox(program.Id(), boxWaitMs)) {
        result.boxShown = true;
        result.box = driver::ReadMessageBox(box);
        driver::AnswerMessageBox(box, answer);
    }
    result.ended = program.WaitForExit(20000, &result.exitCode);
    return result;
}

bool TempFilesLeft() { return FileExists(RuntimeTempFolder() + "6.tmp") || FolderExists(RuntimeTempFolder()); }

void SetRegistryText(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr), ERROR_SUCCESS);
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

void DeleteRegistryKey(HKEY root, const std::string& key) { RegDeleteKeyA(root, key.c_str()); }

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

// The Windows version that Wine reports to the programs it starts, for the life of the object.
class WineVersion {
public:
    explicit WineVersion(const std::string& version) {
        HKEY wine;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_QUERY_VALUE, &wine) == ERROR_SUCCESS) {
            char value[64] = {};
            DWORD size = sizeof value - 1;
            hadVersion_ = RegQueryValueExA(wine, "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                          ERROR_SUCCESS;
            if (hadVersion_) oldVersion_ = value;
            RegCloseKey(wine);
        }
        SetRegistryText(HKEY_CURRENT_USER, "Software\\Wine", "Version", version);
    }
    ~WineVersion() {
        if (hadVersion_) {
            SetRegistryText(HKEY_CURRENT_USER, "Software\\Wine", "Version", oldVersion_);
            return;
        }
        HKEY wine;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_SET_VALUE, &wine) == ERROR_SUCCESS) {
            RegDeleteValueA(wine, "Version");
            RegCloseKey(wine);
        }
    }

private:
    bool hadVersion_ = false;
    std::string oldVersion_;
};


}  // namespace

TEST(StartUpRefusal, WindowsVersionBoxUsesTheFirstLanguageAndTheStoredCaption) {
    const std::string folder = driver::MakeScratchFolder("refuse-windows");
    WineVersion xp("winxp");
    tarnwick::SetupScriptSpec spec = SetupSpec();
    spec.Settings[62] = "Windows Vista or later.";

    struct Case {
        const char* what;
        const char* mask;
        const char* arguments;
        bool refused;
        bool box;
    } cases[] = {
        // German named on the command line: the box still speaks the first language.
        {"XP not in the mask", "191", "x /L=deu", true, true},
        {"nothing allowed, silent: no box", "0", "x /S /L=deu", true, false},
        {"XP allowed", "64", "x /L=deu", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        spec.Settings[61] = c.mask;
        spec.Settings[1] = "0";
        RunResult run = RunAndAnswer(WriteSetupFile(folder, spec), c.arguments, IDOK, c.box ? 15000 : 3000);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, c.refused ? 3u : 0u);
        EXPECT_EQ(run.boxShown, c.box);
        if (c.box) {
            // Message 52 of the first language (none is chosen yet), then setting 62; the caption is
            // setting 65 with its token unexpanded.
            EXPECT_EQ(run.box.text, "Demo Application cannot be installed on this version of Windows. It requires "
                                    "Windows Vista or later.");
            EXPECT_EQ(run.box.caption, "Demo Setup on @$&%17");
        }
        EXPECT_FALSE(TempFilesLeft());
    }
}

TEST(StartUpRefusal, DotNetVersionAgainstThePolicyKeys) {
    const std::string folder = driver::MakeScratchFolder("refuse-dotnet");
    const std::string marker = folder + "download-opened.txt";
    const std::string download = folder + "download.bat";
    const std::string script = "@echo opened> \"" + marker + "\"\r\n";
    ASSERT_TRUE(tarnwick::WriteWholeFile(download, std::vector<uint8_t>(script.begin(), script.end())));
    // The check opens the policy key with the create-if-missing call: remove what this test made.
    const bool hadFramework = KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework");
    tarnwick::SetupScriptSpec spec = SetupSpec();
    spec.Settings[102] = "This program needs the .NET Framework 2.0.";
    spec.Settings[100] = "2.0";

    struct Case {
        const char* what;
        const char* planted;   // policy subkey, or none
        const char* atLeast;   // setting 85
        const char* download;  // setting 2: "0" or the download program
        int answer;
        bool refused;
        bool downloadOpened;
    } cases[] = {
        {"newer Framework, exact version asked: OK box", "v3.5", "0", "0", IDOK, true, false},
        {"no Framework at all, Yes opens the download", nullptr, "1", "download", IDYES, true, true},
        {"no Framework, No opens nothing", nullptr, "1", "download", IDNO, true, false},
        {"newer Framework, at least asked: passes", "v3.5", "1", "download", IDOK, false, false},
        {"exact version present", "v2.0.50727", "0", "0", IDOK, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(marker.c_str());
        std::string plantedKey = c.planted ? std::string(DotNetPolicyKey) + "\\" + c.planted : std::string();
        if (c.planted) SetRegistryText(HKEY_LOCAL_MACHINE, plantedKey, "", "");
        spec.Settings[85] = c.atLeast;
        spec.Settings[2] = std::string(c.download) == "download" ? download : c.download;
        RunResult run = RunAndAnswer(WriteSetupFile(folder, spec), "x /L=eng", c.answer, c.refused ? 15000 : 3000);
        if (c.planted) DeleteRegistryKey(HKEY_LOCAL_MACHINE, plantedKey);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, c.refused ? 3u : 0u);
        EXPECT_EQ(run.boxShown, c.refused);
        if (c.refused) {
            EXPECT_EQ(run.box.text, "This program needs the .NET Framework 2.0.");
            EXPECT_EQ(run.box.caption, "Demo Setup on C:");  // the application window's caption
        }
        if (c.downloadOpened) {
            DWORD start = GetTickCount();
            while (!FileExists(marker) && GetTickCount() - start < 15000) Sleep(100);
        } else {
            Sleep(c.refused ? 1000 : 0);
        }
        EXPECT_EQ(FileExists(marker), c.downloadOpened);
        EXPECT_FALSE(TempFilesLeft());
    }
    if (!hadFramework) {
        DeleteRegistryKey(HKEY_LOCAL_MACHINE, DotNetPolicyKey);
        DeleteRegistryKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework");
    }
}

TEST(StartUpRefusal, DotNetBoxAsksYesOrNoOnlyWithADownload) {
    const std::string folder = driver::MakeScratchFolder("refuse-dotnet-buttons");
    tarnwick::SetupScriptSpec spec = SetupSpec();
    const bool hadFramework = KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework");
    spec.Settings[100] = "4.0";
    spec.Settings[102] = "Needs .NET 4.0.";
    for (const char* download : {"0", "http://example.com/dotnet"}) {
        SCOPED_TRACE(download);
        spec.Settings[2] = download;
        driver::Program program;
        ASSERT_TRUE(program.Start(WriteSetupFile(folder, spec), "x /S"));  // shown in a silent run too
        HWND box = driver::WaitForMessageBox(program.Id(), 15000);
        ASSERT_TRUE(box);
        const bool yesNo = std::string(download) != "0";
        EXPECT_EQ(driver::Control(box, IDYES) != nullptr, yesNo);
        EXPECT_EQ(driver::Control(box, IDNO) != nullptr, yesNo);
        EXPECT_EQ(driver::Control(box, IDOK) != nullptr, !yesNo);
        driver::AnswerMessageBox(box, yesNo ? IDNO : IDOK);
        DWORD code = 0;
        ASSERT_TRUE(program.WaitForExit(20000, &code));
        EXPECT_EQ(code, 3u);
    }
    if (!hadFramework) {
        DeleteRegistryKey(HKEY_LOCAL_MACHINE, DotNetPolicyKey);
        DeleteRegistryKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework");
    }
}

// "test" starts the builder "..\twk.exe" beside the current folder and ends; nothing is loaded.
TEST(StartUpTestRun, StartsTheBuilderOneFolderUp) {
    const std::string folder = driver::MakeScratchFolder("test-run");
    const std::string work = folder + "work\\";
    CreateDirectoryA(work.c_str(), nullptr);
    // The stand-in builder is the runtime without a package: it announces itself with its box.
    WriteProgram(folder, "twk.exe", RuntimeImage());
    tarnwick::SetupScriptSpec spec = SetupSpec();
    spec.Settings[61] = "0";  // a normal run would be refused with a box
    const std::string setup = WriteSetupFile(folder, spec);

    driver::Program program;
    ASSERT_TRUE(program.Start(setup, "test", work));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(20000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(FileExists(RuntimeTempFolder() + "6.tmp")) << "the package is not loaded";

    // The builder came up: find its box among all windows.
    HWND builderBox = nullptr;
    for (DWORD start = GetTickCount(); !builderBox && GetTickCount() - start < 20000; Sleep(100)) {
        for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", "Error"); box;
             box = FindWindowExA(nullptr, box, "#32770", "Error")) {
            if (driver::ReadMessageBox(box).text.find("corrupted") != std::string::npos) builderBox = box;
        }
    }
    ASSERT_TRUE(builderBox);
    driver::AnswerMessageBox(builderBox, IDOK);

    // "TEST" is no such word: the run goes on and meets the refusal.
    RunResult run = RunAndAnswer(setup, "TEST", IDOK);
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.boxShown);
    EXPECT_EQ(run.exitCode, 3u);
}

TEST(UninstallerStart, RelaunchesItsCopyFromTheTemporaryFolder) {
    const std::string folder = driver::MakeScratchFolder("uninstaller-relaunch");
    tarnwick::SetupScriptSpec spec = SetupSpec();
    spec.Settings[55] = "Tarnwick Relaunch Test";
    spec.Settings[91] = "@$&%04\\tarnwick-relaunch-uninstall.exe";
    const std::string logPath = folder + "install.log";
    const std::string log = "[f]\r\n[s]\r\n0=0\r\n1=C:\\App\\\r\n2=1\r\n";
    ASSERT_TRUE(tarnwick::WriteWholeFile(logPath, std::vector<uint8_t>(log.begin(), log.end())));
    const std::string key = std::string(UninstallKeyRoot) + spec.Settings[55];
    SetRegistryText(HKEY_LOCAL_MACHINE, key, "LogFileName", logPath);

    const std::string uninstaller = WriteSetupFile(folder, spec, true, "uninstall.exe");
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    const std::string copy = std::string(temp) + "tarnwick-relaunch-uninstall.exe";
    DeleteFileA(copy.c_str());

    driver::Program program;
    ASSERT_TRUE(program.Start(uninstaller));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(20000, &code));
    EXPECT_EQ(code, 0u);
    std::vector<uint8_t> original, copied;
    ASSERT_TRUE(tarnwick::ReadWholeFile(uninstaller, original));
    ASSERT_TRUE(tarnwick::ReadWholeFile(copy, copied)) << "the copy is in the temporary folder";
    EXPECT_TRUE(original == copied);
    // The copy goes on by itself (its arguments and what it reads are shown by the start-up
    // probe's tests); it must end before the next test uses the temporary folder.
    EXPECT_TRUE(driver::WaitForProcessEnd("tarnwick-relaunch-uninstall.exe", 20000));
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, key);
}

TEST(UninstallerStart, RelaunchedCopyWithoutItsLogEndsAtOnceWithCode5) {
    const std::string folder = driver::MakeScratchFolder("uninstaller-no-log");
    tarnwick::SetupScriptSpec spec = SetupSpec();
    const std::string uninstaller = WriteSetupFile(folder, spec, true, "uninstall.exe");
    DeleteFileA((RuntimeTempFolder() + "11.tmp").c_str());
    RunResult run = RunAndAnswer(uninstaller, "end /S", IDOK, 3000);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 5u);
    EXPECT_FALSE(run.boxShown);
    // It ends without cleaning up: the stream files of its package are still there.
    EXPECT_TRUE(FileExists(RuntimeTempFolder() + "6.tmp"));
    DeleteFileA((RuntimeTempFolder() + "6.tmp").c_str());
    RemoveDirectoryA(RuntimeTempFolder().c_str());
}
