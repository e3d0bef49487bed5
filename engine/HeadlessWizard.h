#pragma once
// A wizard without windows: what a silent test run of the install or uninstall engine talks to.
// It keeps what the engines wrote (status texts, progress, removal lines, message boxes) for the
// test to look at, and offers the choices a test sets, starting from those the real wizard starts
// with.

#include <string>
#include <vector>

#include "engine/WizardInterface.h"

namespace tarnwick {

struct SetupModel;

class HeadlessWizard final : public WizardInterface {
public:
    // Choices as a wizard starts before the user changes anything: every shortcut option ticked,
    // no group name, restart now selected, the finish options unticked.
    HeadlessWizard() = default;
    // The initial choices of this setup: the group name of setting 106 and the finish options
    // ticked as settings 44, 46 and 38 say.
    explicit HeadlessWizard(const SetupModel& model);

    // ---- What the engines wrote ----
    std::string StatusText;
    std::vector<std::string> StatusHistory;  // every text set, in order
    int Maximum = 0;
    int Position = 0;
    int Steps = 0;  // AdvanceProgress calls, also those past the maximum
    std::vector<std::string> RemovalLines;
    int UninstallMaximum = 0;
    int UninstallPosition = 0;
    int UninstallSteps = 0;
    bool UninstallCompleted = false;
    struct MessageBoxShown {
        std::string Text;
        std::string Caption;
        unsigned Style = 0;
    };
    std::vector<MessageBoxShown> MessageBoxes;

    // ---- What the test decides ----
    // Answers to the message boxes, in turn; when they run out a box is answered OK (Yes for a
    // yes/no question).
    std::vector<int> Answers;
    std::string Group;
    bool NoGroup = false;
    bool Desktop = true;
    bool StartMenu = true;
    bool QuickLaunch = true;
    bool Launch = false;
    bool Readme = false;
    bool WebSite = false;
    bool RestartNow = true;
    bool UninstallWebPage = true;

    void SetStatus(const std::string& text) override;
    std::string Status() const override { return StatusText; }
    void SetProgressMaximum(int maximum) override;
    int ProgressMaximum() const override { return Maximum; }
    int ProgressPosition() const override { return Position; }
    void SetProgressPosition(int position) override;
    void AdvanceProgress() override;

    std::string StartMenuGroup() const override { return Group; }
    bool NoStartMenuGroup() const override { return NoGroup; }
    bool DesktopShortcutChosen() const override { return Desktop; }
    bool StartMenuShortcutChosen() const override { return StartMenu; }
    bool QuickLaunchShortcutChosen() const override { return QuickLaunch; }
    bool LaunchChosen() const override { return Launch; }
    bool ReadmeChosen() const override { return Readme; }
    bool WebSiteChosen() const override { return WebSite; }
    bool RestartNowChosen() const override { return RestartNow; }

    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) override;

    void AddRemovalLine(const std::string& text) override { RemovalLines.push_back(text); }
    void SetUninstallProgressMaximum(int maximum) override;
    int UninstallProgressMaximum() const override { return UninstallMaximum; }
    int UninstallProgressPosition() const override { return UninstallPosition; }
    void SetUninstallProgressPosition(int position) override;
    void StepUninstallProgress() override;
    bool UninstallWebPageChosen() const override { return UninstallWebPage; }
    void ShowUninstallCompleted() override { UninstallCompleted = true; }
};

// A progress bar's position after a request: kept within 0..maximum, as the system's control keeps it.
int ClampProgressPosition(int position, int maximum);

}  // namespace tarnwick
