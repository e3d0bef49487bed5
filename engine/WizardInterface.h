#pragma once
// What the install and uninstall engines see of the wizard: the installing page's status line and
// progress bar, the user's choices, the uninstall page's removal list and progress bar, and
// message boxes owned by the wizard window.
//
// The engines include this header and nothing of the GUI, so an installation or a removal can run
// in a test against a wizard without windows (engine/HeadlessWizard.h). The real wizard
// (ui/win32/Wizard.h) implements it over its controls. Every call is made on the GUI thread.
//
// Waiting window messages are handled through PumpPendingMessages() (base/MessagePump.h), which
// the wizard installs; the engines call it between their steps.

#include <string>

namespace tarnwick {

// Message box styles and answers: the values of the system's MB_* and ID* constants, so that
// portable engine code can ask its questions.
namespace message_box {
constexpr unsigned Ok = 0x0;            // MB_OK
constexpr unsigned OkCancel = 0x1;      // MB_OKCANCEL
constexpr unsigned YesNo = 0x4;         // MB_YESNO
constexpr unsigned IconError = 0x10;    // MB_ICONERROR
constexpr unsigned IconWarning = 0x30;  // MB_ICONWARNING
constexpr int AnswerOk = 1;             // IDOK
constexpr int AnswerCancel = 2;         // IDCANCEL
constexpr int AnswerYes = 6;            // IDYES
constexpr int AnswerNo = 7;             // IDNO
}  // namespace message_box

// Progress bars with a maximum below this pause 4 ms per step, so a short installation stays visible.
constexpr int ShortProgressSteps = 32;

class WizardInterface {
public:
    virtual ~WizardInterface() = default;

    // ---- The installing page (install sequence, file extraction, fonts, shortcuts, programs) ----
    // The one-line status text under the page's prompt.
    virtual void SetStatus(const std::string& text) = 0;
    virtual std::string Status() const = 0;
    // The progress bar's range is 0..maximum.
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual int ProgressMaximum() const = 0;
    virtual int ProgressPosition() const = 0;
    virtual void SetProgressPosition(int position) = 0;
    // One unit of work done: position + 1, then the waiting window messages are handled; while
    // the maximum is below ShortProgressSteps the thread also pauses 4 ms.
    virtual void AdvanceProgress() = 0;

    // ---- The user's choices, read when the step that needs them runs ----
    // The start-menu group name as typed or set (not token-expanded).
    virtual std::string StartMenuGroup() const = 0;
    // "Do not create a start-menu group" ticked.
    virtual bool NoStartMenuGroup() const = 0;
    // Ticks of the shortcut options; a hidden option keeps its tick.
    virtual bool DesktopShortcutChosen() const = 0;
    virtual bool StartMenuShortcutChosen() const = 0;
    virtual bool QuickLaunchShortcutChosen() const = 0;
    // The finish page's choices (only their ticks; whether a setting offers them is the caller's test).
    virtual bool LaunchChosen() const = 0;
    virtual bool ReadmeChosen() const = 0;
    virtual bool WebSiteChosen() const = 0;
    virtual bool RestartNowChosen() const = 0;

    // A message box owned by the wizard window; style is message_box flags, the result the answer.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;

    // ---- The uninstall page (uninstall procedure) ----
    // Appends the text as the last line of the removal list and scrolls the list one page down.
    virtual void AddRemovalLine(const std::string& text) = 0;
    // The uninstall page's progress bar: range 0..maximum; a step is position + 1 and nothing else.
    virtual void SetUninstallProgressMaximum(int maximum) = 0;
    virtual int UninstallProgressMaximum() const = 0;
    virtual int UninstallProgressPosition() const = 0;
    virtual void SetUninstallProgressPosition(int position) = 0;
    virtual void StepUninstallProgress() = 0;
    // The tick of "tell us why you removed it" (the web-page option).
    virtual bool UninstallWebPageChosen() const = 0;
    // The page's finished state: Next enabled and captioned "Finish" (message 41), Cancel
    // disabled, progress bar and removal list hidden, the completion text (message 76) shown, and
    // the header's title and subtitle set to messages 71 and 72.
    virtual void ShowUninstallCompleted() = 0;
};

}  // namespace tarnwick
