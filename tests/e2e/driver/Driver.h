#pragma once
// The test driver: starts a program under test and works its windows from outside, through Win32
// messages, as a user would: finds windows, controls (by control id) and message boxes, reads
// texts and states, types, clicks, presses keys, and takes screenshots.
//
// Typical use:
//   driver::Program program;
//   program.Start(setupPath);
//   HWND wizard = driver::WaitForWindow(program.Id(), "TarnwickWizard", 20000);
//   HWND next = driver::WaitForControl(wizard, ids::Next, 5000);
//   EXPECT_EQ(driver::WindowText(next), "&Next >");
//   driver::ClickButton(wizard, ids::Next);
//   HWND box = driver::WaitForMessageBox(program.Id(), 5000);
//   driver::AnswerMessageBox(box, IDYES);

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

// Waits for the end of a process this test did not start (a program's relaunched copy), found by
// its file name; true when it has ended, or was never there, within the time.
bool WaitForProcessEnd(const std::string& fileName, DWORD timeoutMs);

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

// Texts. WM_GETTEXT works across processes (the system copies the text between them).
std::string WindowText(HWND window);

// Controls, found by their control id anywhere below `root` (inside panels and group boxes).
HWND FindControl(HWND root, int controlId);
HWND WaitForControl(HWND root, int controlId, DWORD timeoutMs);
// The direct child with the id (GetDlgItem); kept for message boxes and flat dialogs.
HWND Control(HWND parent, int controlId);

// State as the user sees it: visible means the window and all its ancestors are shown; enabled
// is the control's own state.
bool IsVisible(HWND window);
bool IsEnabled(HWND window);
bool IsChecked(HWND checkBoxOrRadio);
// The window's position and size in its parent's client area.
RECT ControlRect(HWND control);
// The control that has the keyboard focus in the window's thread; null when none.
HWND FocusedControl(HWND anyWindowOfTheThread);

// List views (report style, first column, up to 1023 characters a row), combo boxes, rich
// edits, progress bars.
std::vector<std::string> ListViewRows(HWND listView);
int ListViewSelection(HWND listView);  // -1 when none
// Clicks a row with the mouse (posted button down and up at the row's middle); false when the
// row does not exist or the list cannot take the click.
bool ClickListViewRow(HWND listView, int row);
std::vector<std::string> ComboItems(HWND comboBox);
int ComboSelection(HWND comboBox);  // -1 when none; WindowText() is the selected text
// Selects an item as the user's choice does: the selection, then CBN_SELCHANGE to the parent.
bool ChooseComboItem(HWND comboBox, int index);
// The plain text length of a rich edit (a paragraph end counts as one).
int TextLength(HWND window);
int ProgressPosition(HWND progressBar);

// Acting as the user: each returns false (and does nothing) when the control is missing,
// hidden, or disabled, or its window is disabled, as a user could not act then either.
// A click by control id, at any depth below root (BM_CLICK, posted: the program may open a
// modal box in response, and the driver must not wait for it).
bool ClickButton(HWND root, int controlId);
bool ClickButton(HWND button);
// Answers a message box with IDYES, IDNO, IDOK or IDCANCEL.
bool AnswerMessageBox(HWND box, int buttonId);
// Types into an edit character by character (WM_CHAR, as the keyboard delivers them), each
// raising the edit's change notification. With replace, the old text is selected and deleted
// first.
bool TypeText(HWND edit, const std::string& text, bool replace = true);
// A key press (VK_RETURN, VK_ESCAPE, VK_TAB ...) delivered to the control that has the focus in
// the program, as the keyboard would: through the program's message loop.
bool PressKey(HWND anyWindowOfTheProgram, UINT virtualKey);

// Saves the whole virtual screen as a 24-bit BMP file (convert it with ImageMagick to look).
bool SaveScreenshot(const std::string& path);

// A path as Windows programs under Wine see it ("/tmp/x" becomes "Z:\tmp\x").
std::string WindowsPath(const std::string& path);
// A fresh, empty folder for one test under the Windows temporary folder.
std::string MakeScratchFolder(const std::string& name);

}  // namespace driver
