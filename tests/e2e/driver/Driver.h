#pragma once
// The test driver: starts a program under test and works its windows from outside, through Win32
// messages, as a user would: finds windows and message boxes, reads texts, clicks buttons.

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// A program under test. Killed on destruction if it is still running.
class Program {
public:
    Program() = default;
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Starts exe with the argument text (appended after the quoted program path). False on failure.
    bool Start(const std::string& exe, const std::string& arguments = "", const std::string& folder = "");
    DWORD Id() const { return processId_; }
    bool Running() const;
    // Waits for the end; false on time-out. exitCode receives the process's exit code.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Visible top-level windows of a process, optionally only those of a window class.
std::vector<HWND> TopLevelWindows(DWORD processId, const char* className = nullptr);
// Waits until the process shows a visible top-level window of the class; null on time-out.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs);

// Message boxes are dialogs of class "#32770" whose text is the static control 0xFFFF.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);
struct MessageBoxText {
    std::string caption;
    std::string text;
};
MessageBoxText ReadMessageBox(HWND box);

std::string WindowText(HWND window);
HWND Control(HWND parent, int controlId);
// Clicks a button of a window by control id, as the user's click would (BM_CLICK).
bool ClickButton(HWND parent, int controlId);

// A path as Windows programs under Wine see it ("/tmp/x" becomes "Z:\tmp\x").
std::string WindowsPath(const std::string& path);
// A fresh, empty folder for one test under the Windows temporary folder.
std::string MakeScratchFolder(const std::string& name);

}  // namespace driver
