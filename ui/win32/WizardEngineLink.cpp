// The wizard as the install and uninstall engines see it (WizardInterface): the installing and
// uninstall pages' status, progress and removal list, the user's choices, message boxes.

#include "base/MessagePump.h"
#include "ui/win32/Wizard.h"

namespace tarnwick {

static_assert(message_box::OkCancel == MB_OKCANCEL && message_box::YesNo == MB_YESNO &&
                  message_box::IconError == MB_ICONERROR && message_box::IconWarning == MB_ICONWARNING,
              "message box styles are the system's");
static_assert(message_box::AnswerOk == IDOK && message_box::AnswerCancel == IDCANCEL &&
                  message_box::AnswerYes == IDYES && message_box::AnswerNo == IDNO,
              "message box answers are the system's");

void WizardWindow::SetStatus(const std::string& text) { progress.statusLine.SetText(text); }

std::string WizardWindow::Status() const { return progress.statusLine.Text(); }

void WizardWindow::SetProgressMaximum(int maximum) { progress.progressBar.SetRange(0, maximum); }

int WizardWindow::ProgressMaximum() const { return progress.progressBar.Maximum(); }

int WizardWindow::ProgressPosition() const { return progress.progressBar.Position(); }

void WizardWindow::SetProgressPosition(int position) { progress.progressBar.SetPosition(position); }

void WizardWindow::AdvanceProgress() {
    ProgressBar& bar = progress.progressBar;
    bar.SetPosition(bar.Position() + 1);
    PumpPendingMessages();
    // A short installation would flash past: let each step be seen.
    if (bar.Maximum() < ShortProgressSteps) pause(4);
}

std::string WizardWindow::StartMenuGroup() const { return startMenu.groupEdit.Text(); }

bool WizardWindow::NoStartMenuGroup() const { return startMenu.noGroupOption.Checked(); }

bool WizardWindow::DesktopShortcutChosen() const { return shortcuts.desktopOption.Checked(); }

bool WizardWindow::StartMenuShortcutChosen() const { return shortcuts.startMenuOption.Checked(); }

bool WizardWindow::QuickLaunchShortcutChosen() const { return shortcuts.quickLaunchOption.Checked(); }

bool WizardWindow::LaunchChosen() const { return welcome.launchOption.Checked(); }

bool WizardWindow::ReadmeChosen() const { return welcome.readmeOption.Checked(); }

bool WizardWindow::WebSiteChosen() const { return welcome.webSiteOption.Checked(); }

bool WizardWindow::RestartNowChosen() const { return welcome.restartNow.Checked(); }

int WizardWindow::ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) {
    return MessageBoxA(form.Handle(), text.c_str(), caption.c_str(), style);
}

void WizardWindow::AddRemovalLine(const std::string& text) {
    ListView& list = uninstallPage.removalList;
    list.AddRow(text);
    SendMessageA(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
}

void WizardWindow::SetUninstallProgressMaximum(int maximum) { uninstallPage.progressBar.SetRange(0, maximum); }

int WizardWindow::UninstallProgressMaximum() const { return uninstallPage.progressBar.Maximum(); }

int WizardWindow::UninstallProgressPosition() const { return uninstallPage.progressBar.Position(); }

void WizardWindow::SetUninstallProgressPosition(int position) { uninstallPage.progressBar.SetPosition(position); }

void WizardWindow::StepUninstallProgress() {
    ProgressBar& bar = uninstallPage.progressBar;
    bar.SetPosition(bar.Position() + 1);
}

bool WizardWindow::UninstallWebPageChosen() const { return uninstallPage.webPageOption.Checked(); }

void WizardWindow::ShowUninstallCompleted() {
    const SetupModel& model = setup_.model;
    next.SetEnabled(true);
    cancel.SetEnabled(false);
    uninstallPage.progressBar.Hide();
    uninstallPage.removalList.Hide();
    uninstallPage.text.SetText(model.Message(76));
    SetPageTitles(model.Message(71), model.Message(72));
    next.SetText(model.Message(41));
    uninstallPage.text.Show();
    PumpPendingMessages();
}

}  // namespace tarnwick
