// The language dialog as the user meets it: when it comes, what it shows and preselects, and how
// each way of leaving it ends the run.

#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

#include "TestSetup.h"
#include "builder/ScriptWriter.h"
#include "ui/StartUpControlIds.h"

using namespace e2e;
namespace ids = tarnwick::language_ids;

namespace {

using Languages = std::vector<std::pair<std::string, std::string>>;  // name, identifier

std::string WriteLanguageSetup(const std::string& folder, const Languages& languages,
                               const std::string& name = "setup.exe") {
    tarnwick::SetupScriptSpec spec = tarnwick::DefaultSetupScript();
    spec.Settings[65] = "Demo Setup on @$&%17";
    spec.Settings[1] = "1";  // a background, which must stay hidden while the dialog is up
    spec.Languages.clear();
    for (const auto& language : languages) {
        spec.Languages.push_back({language.first, language.second, tarnwick::EnglishMessages()});
    }
    tarnwick::PackageContents contents;
    contents.Streams.push_back({0, tarnwick::WriteSetupScript(spec)});
    contents.Streams.push_back({6, std::vector<uint8_t>(64, 'b')});  // 6.tmp: must be gone at the end
    return WriteSetup(folder, name, contents);
}

// The list's item texts. Read with the wide messages: Wine hands CB_GETLBTEXT across processes
// as wide text whatever the caller asked for, so the ANSI form overruns its buffer.
std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::vector<wchar_t> text(static_cast<size_t>(std::max<LRESULT>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0), 0)) + 256);
        LRESULT length = SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        char narrow[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(std::max<LRESULT>(length, 0)), narrow,
                            sizeof narrow - 1, nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

HWND WaitForDialog(DWORD processId) { return driver::WaitForWindow(processId, tarnwick::LanguageDialogClass, 20000); }

// Waits for the end of a process, noting whether it showed any message box meanwhile.
bool WaitWatchingForBoxes(HANDLE process, DWORD processId, DWORD& exitCode, bool& boxShown) {
    boxShown = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000;) {
        if (driver::WaitForMessageBox(processId, 0)) boxShown = true;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process, &exitCode);
            return true;
        }
    }
    return false;
}

// Waits for the end of a program started by the driver; false when it showed a message box.
bool EndsWithoutBox(driver::Program& program, DWORD& exitCode) {
    bool boxShown = false;
    for (DWORD start = GetTickCount(); program.Running() && GetTickCount() - start < 20000; Sleep(20)) {
        if (driver::WaitForMessageBox(program.Id(), 0)) boxShown = true;
    }
    return program.WaitForExit(1000, &exitCode) && !boxShown;
}

// A setup started under another user locale. Wine takes a process's user language from the Unix
// locale it starts with, and the Windows environment of a program does not reach the Unix side of
// the programs it starts; so the setup is started through /usr/bin/env with LC_ALL set, as a new
// Wine process in the same Wine session, and found again by its file name.
class ProgramInLocale {
public:
    ~ProgramInLocale() {
        if (!process_) return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 255);
        CloseHandle(process_);
    }
    bool Start(const std::string& exe, const std::string& fileName, const std::string& locale) {
        char loader[MAX_PATH] = {};
        if (!GetEnvironmentVariableA("WINELOADER", loader, sizeof loader)) return false;
        std::string command = "/usr/bin/env LC_ALL=" + locale + " " + loader + " \"" + exe + "\"";
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        // Wine runs a Unix program here without a Windows process object: no handles come back.
        if (!CreateProcessA("Z:\\usr\\bin\\env", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info)) {
            return false;
        }
        for (DWORD start = GetTickCount(); !process_ && GetTickCount() - start < 20000; Sleep(100)) {
            processId_ = FindProcess(fileName);
            if (processId_) process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                                   FALSE, processId_);
        }
        return process_ != nullptr;
    }
    DWORD Id() const { return processId_; }
    HANDLE Handle() const { return process_; }

private:
    static DWORD FindProcess(const std::string& fileName) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return 0;
        DWORD found = 0;
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
            if (lstrcmpiA(entry.szExeFile, fileName.c_str()) == 0) found = entry.th32ProcessID;
        }
        CloseHandle(snapshot);
        return found;
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

}  // namespace

TEST(LanguageDialog, ShowsTheFixedTextsAndTheLanguagesInScriptOrder) {
    const std::string folder = driver::MakeScratchFolder("language-dialog");
    driver::Program program;
    ASSERT_TRUE(program.Start(WriteLanguageSetup(folder, {{"Deutsch", "1031"}, {"American", "1033"}, {"Francais", "1036"}})));
    HWND dialog = WaitForDialog(program.Id());
    ASSERT_TRUE(dialog);
    // The caption is the application title, set before the dialog comes.
    EXPECT_EQ(driver::WindowText(dialog), "Demo Setup on C:");
    HWND owner = GetWindow(dialog, GW_OWNER);
    ASSERT_TRUE(owner);
    EXPECT_EQ(driver::WindowText(owner), "Demo Setup on C:");
    EXPECT_EQ(driver::WindowText(driver::FindControl(dialog, ids::Prompt)), "Please select a language.");
    EXPECT_EQ(driver::WindowText(driver::FindControl(dialog, ids::Ok)), "OK");
    EXPECT_EQ(driver::WindowText(driver::FindControl(dialog, ids::Cancel)), "Cancel");
    HWND list = driver::FindControl(dialog, ids::List);
    EXPECT_EQ(ListItems(list), (std::vector<std::string>{"Deutsch", "American", "Francais"}));
    // Wine's user language here is 1033 (the prefix has an American English locale).
    EXPECT_EQ(GetUserDefaultLangID(), 1033);
    EXPECT_EQ(driver::ComboSelection(list), 1);
    EXPECT_EQ(driver::FocusedControl(dialog), list);
    EXPECT_TRUE(driver::TopLevelWindows(program.Id(), tarnwick::BackgroundWindowClass).empty());
    // The dialog sits on the screen's centre, at its client size.
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 287);
    EXPECT_EQ(client.bottom, 127);
    ASSERT_TRUE(driver::ClickButton(dialog, ids::Ok));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(20000, &code));
    EXPECT_EQ(code, 0u);
}

TEST(LanguageDialog, PreselectsTheUsersLanguageThenEnglishThenTheFirst) {
    const std::string folder = driver::MakeScratchFolder("language-preselection");
    struct Case {
        const char* what;
        Languages languages;
        int preselected;
    } cases[] = {
        {"the later of two matches", {{"American", "1033"}, {"Deutsch", "1031"}, {"US English", "1033us"}}, 2},
        {"no match: English", {{"Deutsch", "1031"}, {"English", "2057"}, {"Francais", "1036"}}, 1},
        {"no match, no English: the first", {{"Deutsch", "1031"}, {"english", "2057"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver::Program program;
        ASSERT_TRUE(program.Start(WriteLanguageSetup(folder, c.languages)));
        HWND dialog = WaitForDialog(program.Id());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(driver::ComboSelection(driver::FindControl(dialog, ids::List)), c.preselected);
        ASSERT_TRUE(driver::ClickButton(dialog, ids::Cancel));
        DWORD code = 99;
        ASSERT_TRUE(program.WaitForExit(20000, &code));
        EXPECT_EQ(code, 1u);
    }
}

TEST(LanguageDialog, FollowsTheUserLanguageOfAnotherLocale) {
    const std::string folder = driver::MakeScratchFolder("language-german-user");
    const std::string setup = WriteLanguageSetup(folder, {{"English", "1033"}, {"Deutsch", "1031"}}, "setup-de.exe");
    ProgramInLocale program;
    ASSERT_TRUE(program.Start(driver::WindowsPath(setup), "setup-de.exe", "de_DE.UTF-8"));
    HWND dialog = WaitForDialog(program.Id());
    ASSERT_TRUE(dialog);
    HWND list = driver::FindControl(dialog, ids::List);
    EXPECT_EQ(driver::ComboSelection(list), 1);
    // Enter while the list has the focus confirms like OK.
    ASSERT_EQ(driver::FocusedControl(dialog), list);
    ASSERT_TRUE(driver::PressKey(dialog, VK_RETURN));
    DWORD code = 99;
    bool boxShown = true;
    ASSERT_TRUE(WaitWatchingForBoxes(program.Handle(), program.Id(), code, boxShown));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(boxShown);
}

TEST(LanguageDialog, ConfirmedRunsGoOnAndCancelledOnesEndWithCode1) {
    const std::string folder = driver::MakeScratchFolder("language-endings");
    const std::string setup = WriteLanguageSetup(folder, {{"English", "1033"}, {"Deutsch", "1031"}});
    struct Case {
        const char* what;
        void (*leave)(HWND dialog);
        DWORD exitCode;
    } cases[] = {
        {"OK", [](HWND dialog) { driver::ClickButton(dialog, ids::Ok); }, 0},
        {"another entry, then Enter",
         [](HWND dialog) {
             driver::ChooseComboItem(driver::FindControl(dialog, ids::List), 0);
             driver::PressKey(dialog, VK_RETURN);
         },
         0},
        {"Cancel", [](HWND dialog) { driver::ClickButton(dialog, ids::Cancel); }, 1},
        {"Esc", [](HWND dialog) { driver::PressKey(dialog, VK_ESCAPE); }, 1},
        {"close button", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver::Program program;
        ASSERT_TRUE(program.Start(setup));
        HWND dialog = WaitForDialog(program.Id());
        ASSERT_TRUE(dialog);
        c.leave(dialog);
        DWORD code = 99;
        EXPECT_TRUE(EndsWithoutBox(program, code));
        EXPECT_EQ(code, c.exitCode);
        EXPECT_FALSE(FileExists(RuntimeTempFolder() + "6.tmp"));
        EXPECT_FALSE(FolderExists(RuntimeTempFolder()));
    }
}

TEST(LanguageDialog, ComesOnlyWithSeveralLanguagesAndNoPreset) {
    const std::string folder = driver::MakeScratchFolder("language-when");
    const std::string one = WriteLanguageSetup(folder, {{"English", "1033"}}, "one.exe");
    const std::string two = WriteLanguageSetup(folder, {{"English", "1033"}, {"Deutsch", "1031"}}, "two.exe");
    struct Case {
        const char* what;
        std::string setup;
        const char* arguments;
        bool dialog;
    } cases[] = {
        {"one language, a name that matches nothing", one, "x /L=xx", false},
        {"two languages, /L= names the second", two, "x /l=DEU", false},
        {"two languages, /L= matches nothing", two, "x /L=xx", true},
        {"two languages, /L= as the first argument is no option", two, "/L=deu", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver::Program program;
        ASSERT_TRUE(program.Start(c.setup, c.arguments));
        HWND dialog = driver::WaitForWindow(program.Id(), tarnwick::LanguageDialogClass, c.dialog ? 20000 : 0);
        DWORD code = 99;
        if (c.dialog) {
            ASSERT_TRUE(dialog);
            driver::ClickButton(dialog, ids::Ok);
            ASSERT_TRUE(program.WaitForExit(20000, &code));
        } else {
            bool sawDialog = false;
            for (DWORD start = GetTickCount(); program.Running() && GetTickCount() - start < 20000; Sleep(20)) {
                if (!driver::TopLevelWindows(program.Id(), tarnwick::LanguageDialogClass).empty()) sawDialog = true;
            }
            ASSERT_TRUE(program.WaitForExit(1000, &code));
            EXPECT_FALSE(sawDialog);
        }
        EXPECT_EQ(code, 0u);
    }
}
