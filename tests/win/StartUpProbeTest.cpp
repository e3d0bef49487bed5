// Start-up run for real in a program of its own: the start-up probe (helpers/startup_probe.cpp)
// with a package appended. The probe is the runtime's start-up with a report where the wizard
// would begin, so these tests see what start-up leaves for the wizard (the chosen language's
// messages, the uninstaller's log values) and can run it as a user without administrator rights,
// which the Wine user never is.

#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "MachineTestSupport.h"
#include "driver/Driver.h"
#include "base/Stream.h"
#include "builder/PackageWriter.h"
#include "builder/ScriptWriter.h"
#include "package/win32/TempFolder.h"
#include "ui/StartUpControlIds.h"

using namespace tarnwick;

namespace {

using Report = std::map<std::string, std::string>;

tarnwick::LanguageSpec German() {
    LanguageSpec german{"Deutsch", "1031", EnglishMessages()};
    german.Messages[0] = "Willkommen";  // message 1
    return german;
}

SetupScriptSpec TwoLanguages() {
    SetupScriptSpec spec = DefaultSetupScript();
    spec.Settings[65] = "Probe Setup";
    spec.Settings[75] = "Probe Uninstall";
    spec.Languages.push_back(German());
    return spec;
}

// The probe's environment for one run; removed again afterwards.
class ProbeEnvironment {
public:
    explicit ProbeEnvironment(const std::string& report, bool notAdministrator = false, bool hold = false) {
        Set("TARNWICK_PROBE_REPORT", report.c_str());
        Set("TARNWICK_PROBE_NOT_ADMINISTRATOR", notAdministrator ? "1" : nullptr);
        Set("TARNWICK_PROBE_HOLD", hold ? "1" : nullptr);
    }
    ~ProbeEnvironment() {
        for (const char* name : {"TARNWICK_PROBE_REPORT", "TARNWICK_PROBE_NOT_ADMINISTRATOR", "TARNWICK_PROBE_HOLD"}) {
            SetEnvironmentVariableA(name, nullptr);
        }
    }

private:
    static void Set(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }
};

class StartUpProbe : public testing::Test {
protected:
    void SetUp() override {
        folder_ = testsupport::MakeScratchFolder("tarnwick-startup-probe") + "\\";
        report_ = folder_ + "report.txt";
        ASSERT_TRUE(ReadWholeFile(testsupport::TestProgramFolder() + "startup_probe.exe", probe_));
    }
    void TearDown() override { testsupport::RemoveFolderTree(folder_.substr(0, folder_.size() - 1)); }

    // The probe with the script appended, as setup or uninstaller, plus a picture stream (6.tmp).
    std::string WriteProbe(const SetupScriptSpec& spec, bool uninstaller = false, const std::string& name = "probe.exe") {
        PackageContents contents;
        contents.ProgramImage = probe_;
        contents.Streams.push_back({0, WriteSetupScript(spec)});
        contents.Streams.push_back({6, std::vector<uint8_t>(64, 'b')});
        contents.Uninstaller = uninstaller;
        std::string path = folder_ + name;
        EXPECT_TRUE(WriteWholeFile(path, AssemblePackage(contents)));
        return path;
    }

    // The report once it is complete; empty on a time-out. Looks at least once.
    Report WaitForReport(DWORD timeoutMs = 20000) {
        for (DWORD start = GetTickCount();; Sleep(50)) {
            std::vector<uint8_t> bytes;
            std::string text;
            if (ReadWholeFile(report_, bytes)) text.assign(bytes.begin(), bytes.end());
            if (text.find("End=1\n") == std::string::npos) {
                if (GetTickCount() - start >= timeoutMs) return {};
                continue;
            }
            Report report;
            size_t at = 0;
            for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
                std::string line = text.substr(at, end - at);
                size_t equals = line.find('=');
                if (equals != std::string::npos) report[line.substr(0, equals)] = line.substr(equals + 1);
            }
            return report;
        }
    }

    std::string folder_;
    std::string report_;
    std::vector<uint8_t> probe_;
};

HWND WaitForTopLevel(const char* className, const char* caption, DWORD timeoutMs = 20000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50)) {
        HWND window = FindWindowA(className, caption);
        if (window && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

std::string Text(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void SetLocalMachineText(const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}


}  // namespace

TEST_F(StartUpProbe, AdministratorRefusalAlsoInASilentRun) {
    SetupScriptSpec spec = TwoLanguages();
    spec.Settings[99] = "1";
    const std::string probe = WriteProbe(spec);
    ProbeEnvironment environment(report_, true);
    for (const char* arguments : {"", "x /S"}) {
        SCOPED_TRACE(arguments);
        testsupport::ChildProcess program;
        ASSERT_TRUE(program.Start(probe, arguments));
        HWND box = WaitForTopLevel("#32770", "Probe Setup");
        ASSERT_TRUE(box) << "the box's caption is the application title";
        EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)), "You must be logged in as an administrator when installing this program.");
        EXPECT_TRUE(GetDlgItem(box, IDOK));
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(program.Wait(20000), 3);
        EXPECT_FALSE(testsupport::FolderExists(TempFolder().substr(0, TempFolder().size() - 1)));
        EXPECT_TRUE(WaitForReport(0).empty()) << "start-up never returned";
    }
    // The real check: the Wine user is an administrator, so the same setup goes on.
    ProbeEnvironment realCheck(report_);
    testsupport::ChildProcess program;
    ASSERT_TRUE(program.Start(probe, "x /L=eng"));
    EXPECT_EQ(program.Wait(20000), 0);
    EXPECT_EQ(WaitForReport(0)["LanguageIndex"], "0");
}

TEST_F(StartUpProbe, ChosenLanguageGivesTheMessagesAndTheName) {
    const std::string probe = WriteProbe(TwoLanguages());
    struct Case {
        const char* what;
        const char* arguments;
        bool dialogChoosesGerman;
        const char* index;
        const char* name;
        const char* message1;
        const char* confirmed;
    } cases[] = {
        {"from the command line", "x /L=DEUT", false, "1", "Deutsch", "Willkommen", "0"},
        {"from the dialog", "", true, "1", "Deutsch", "Willkommen", "1"},
        {"first language, no dialog, silent", "x /S /L=eng", false, "0", "English",
         "Welcome to the Demo Application Setup Wizard", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(report_.c_str());
        ProbeEnvironment environment(report_);
        testsupport::ChildProcess program;
        ASSERT_TRUE(program.Start(probe, c.arguments));
        if (c.dialogChoosesGerman) {
            HWND dialog = WaitForTopLevel(LanguageDialogClass, "Probe Setup");
            ASSERT_TRUE(dialog);
            HWND list = GetDlgItem(dialog, language_ids::List);
            SendMessageA(list, CB_SETCURSEL, 1, 0);
            PostMessageA(GetDlgItem(dialog, language_ids::Ok), BM_CLICK, 0, 0);
        }
        EXPECT_EQ(program.Wait(20000), 0);
        Report report = WaitForReport(0);
        EXPECT_EQ(report["LanguageIndex"], c.index);
        EXPECT_EQ(report["SelectedLanguageName"], c.name);
        EXPECT_EQ(report["Message1"], c.message1);
        EXPECT_EQ(report["LanguageConfirmed"], c.confirmed);
        EXPECT_EQ(report["ApplicationCaption"], "Probe Setup");
        EXPECT_EQ(report["MainCaption"], "Probe Setup");
        const bool silent = std::string(c.arguments).find("/S") != std::string::npos;
        EXPECT_EQ(report["SilentRun"], silent ? "1" : "0");
        EXPECT_EQ(report["ApplicationVisible"], silent ? "0" : "1");
    }
}

TEST_F(StartUpProbe, UninstallerCopyReadsItsLogAndTakesTheLanguage) {
    SetupScriptSpec spec = TwoLanguages();
    spec.Settings[55] = "Tarnwick Probe Test";
    spec.Settings[91] = "@$&%04\\tarnwick-probe-uninstall.exe";
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnwick Probe Test";
    const std::string log = folder_ + "install.log";
    SetLocalMachineText(key, "LogFileName", log);
    const std::string uninstaller = WriteProbe(spec, true, "uninstall.exe");
    const std::string copy = UserTempPath() + "tarnwick-probe-uninstall.exe";

    struct Case {
        const char* what;
        const char* languageKey;
        const char* index;
        const char* name;
        const char* message1;
    } cases[] = {
        {"second language", "1", "1", "Deutsch", "Willkommen"},
        // An index that names no language of the setup means the first one.
        {"index past the languages", "2", "0", "English", "Welcome to the Demo Application Setup Wizard"},
        {"index that is a byte too far", "257", "0", "English", "Welcome to the Demo Application Setup Wizard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = std::string("[f]\r\n1=C:\\App\\a.txt\r\n[s]\r\n0=1\r\n1=C:\\App\\\r\n2=") + c.languageKey + "\r\n";
        ASSERT_TRUE(WriteWholeFile(log, std::vector<uint8_t>(text.begin(), text.end())));
        DeleteFileA(report_.c_str());
        DeleteFileA(copy.c_str());
        ProbeEnvironment environment(report_);
        testsupport::ChildProcess program;
        // An argument holding a space is passed on unquoted: the copy sees two.
        ASSERT_TRUE(program.Start(uninstaller, "/S \"two words\""));
        EXPECT_EQ(program.Wait(20000), 0) << "the first process ends once the copy is started";
        Report report = WaitForReport();
        ASSERT_FALSE(report.empty()) << "the copy reached the end of start-up";
        EXPECT_EQ(report["IsInstaller"], "0");
        EXPECT_EQ(report["ProgramFile"], copy);
        EXPECT_EQ(report["Arguments"], "[end][/S][two][words]");
        EXPECT_EQ(report["CurrentFolder"] + "\\", UserTempPath());
        EXPECT_EQ(report["LogCopyPath"], TempFileName(11));
        EXPECT_EQ(report["LogState0"], "1");
        EXPECT_EQ(report["LogState1"], "C:\\App\\");
        EXPECT_EQ(report["LogState2"], c.languageKey);
        EXPECT_EQ(report["LanguageIndex"], c.index);
        EXPECT_EQ(report["SelectedLanguageName"], c.name);
        EXPECT_EQ(report["Message1"], c.message1);
        EXPECT_EQ(report["ApplicationCaption"], "Probe Uninstall");
        EXPECT_EQ(report["MainVisible"], "0");
        // "/S" came after "end": the copy is silent.
        EXPECT_EQ(report["SilentRun"], "1");
        // The copy cleans up and ends before the next run fills the temporary folder again.
        EXPECT_TRUE(driver::WaitForProcessEnd("tarnwick-probe-uninstall.exe", 20000));
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
    DeleteFileA(copy.c_str());
}

TEST_F(StartUpProbe, FullScreenBackgroundWithItsTwoTexts) {
    SetupScriptSpec spec = TwoLanguages();
    spec.Settings[1] = "1";
    spec.Settings[8] = "Probe Background (@$&%21)";
    spec.Settings[9] = "Second line";
    const std::string probe = WriteProbe(spec);
    ProbeEnvironment environment(report_, false, true);
    testsupport::ChildProcess program;
    ASSERT_TRUE(program.Start(probe, "x /L=deu"));
    ASSERT_FALSE(WaitForReport().empty());
    HWND background = WaitForTopLevel(BackgroundWindowClass, "Probe Setup");
    ASSERT_TRUE(background);
    RECT bounds;
    GetWindowRect(background, &bounds);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, width);
    EXPECT_EQ(bounds.bottom, height);
    // No caption bar, and no Close command in its system menu.
    EXPECT_FALSE(GetWindowLongPtrA(background, GWL_STYLE) & WS_CAPTION);

    HWND first = GetDlgItem(background, background_ids::FirstText);
    HWND second = GetDlgItem(background, background_ids::SecondText);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Text(first), "Probe Background (Deutsch)") << "tokens expanded after the language is chosen";
    EXPECT_EQ(Text(second), "Second line");
    RECT firstRect, secondRect;
    GetWindowRect(first, &firstRect);
    GetWindowRect(second, &secondRect);
    EXPECT_EQ(firstRect.left, 16);
    EXPECT_EQ(firstRect.top, 16);
    EXPECT_EQ(secondRect.right, width - 8);
    EXPECT_EQ(secondRect.bottom, height - 8);
    // The large bold text of setting 10 (-32) is taller than the small one of setting 18 (-16).
    EXPECT_GT(firstRect.bottom - firstRect.top, secondRect.bottom - secondRect.top);

    // The gradient from navy at the top to black, read from the screen away from the texts.
    Sleep(500);
    HDC screen = GetDC(nullptr);
    COLORREF top = GetPixel(screen, width / 2, 0);
    COLORREF bottom = GetPixel(screen, width / 2, height - 1);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(top, RGB(0, 0, 128));
    EXPECT_EQ(bottom, RGB(0, 0, 128 - 128 * (height - 1) / height));
    program.Kill();
    CleanupTempFolder();
}

TEST_F(StartUpProbe, BackgroundStaysHiddenWhenSwitchedOffOrSilent) {
    struct Case {
        const char* what;
        const char* showBackground;
        const char* arguments;
    } cases[] = {
        {"setting 1 off", "0", "x /L=eng"},
        {"silent", "1", "x /L=eng /S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetupScriptSpec spec = TwoLanguages();
        spec.Settings[1] = c.showBackground;
        const std::string probe = WriteProbe(spec);
        DeleteFileA(report_.c_str());
        ProbeEnvironment environment(report_);
        testsupport::ChildProcess program;
        ASSERT_TRUE(program.Start(probe, c.arguments));
        EXPECT_EQ(program.Wait(20000), 0);
        EXPECT_EQ(WaitForReport(0)["MainVisible"], "0");
    }
}
