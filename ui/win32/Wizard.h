#pragma once
// The wizard window: the program's dialogue with the user after the language choice. One fixed
// window with a header strip, a button bar and every page panel, all built once by Create and
// then shown one page at a time; nothing is created or destroyed while the user moves between
// pages (except the password edit, made only for a setup with a password).
//
// Create builds the window and its controls in the order below (creation order is also the Tab
// order), applies what the setup's settings say about them, and installs the message pump for
// the engines. The window and every panel start hidden: the page flow decides what is shown, with
// ShowPage / ShowUninstallPage, and sets the per-page texts, captions and enabled states through
// the public controls. Controls are found by the ids of ui/WizardControlIds.h.
//
// What the settings do to the controls is done by Create, once, so the page flow's initialisation
// need not repeat it:
//  - both modes: Back and Cancel captions, the branding text (setting 27, tokens expanded) with
//    the separator placed after it, the header colour (70), the header layout (49 hides the
//    picture area and widens title and subtitle to 440; 69, 72, 73, 78 place them), and every
//    page's fixed texts and the finish options' ticks (44, 46, 38);
//  - installer: license and information rich texts (30, 84), the password edit (29, 59), the
//    folder edit (58 expanded; InstallFolder follows), the group edit (106 when 86 is on), the
//    shortcut options' visibility and closing up (22, 88, 89, 90 with Quick Launch, 114), the side
//    picture and welcome texts (63), the fixed folder (76) and group (109);
//  - uninstaller: the web-page option (68) and the folder box (the log's folder, LogStateValues[1]).
// Left to the page flow: the caption, the page sequence, the group list, the page entries, the
// handlers and showing the window.
//
// The install and uninstall engines reach the wizard only through WizardInterface.

#include <functional>
#include <string>

#include "engine/PathTokens.h"
#include "engine/WizardInterface.h"
#include "package/PackageLoader.h"
#include "package/RunState.h"
#include "package/SetupModel.h"
#include "ui/WizardState.h"
#include "ui/win32/WizardPages.h"
#include "ui/win32/WizardPictures.h"
#include "widgets/Form.h"
#include "widgets/Timer.h"

namespace tarnwick {

// What the wizard is built from. Everything referenced lives for the whole run.
struct WizardSetup {
    const SetupModel& model;
    const LoadedPackage& package;  // its bitmaps
    RunState& state;               // IsInstaller, InstallFolder, LogStateValues, PageSequence ...
    TokenResolver& tokens;         // path tokens of the folder, branding and Quick Launch texts
    // Where the package's stream files (15.tmp, 16.tmp) are: the TempFolder with its separator.
    std::string streamFolder;
    // The application window, owner of the wizard (it then has no taskbar button of its own).
    HWND owner = nullptr;
};

class WizardWindow final : public WizardInterface {
    // First, so that they outlive every window whose paint handlers use them.
    WizardSetup setup_;
    WizardPictures pictures_;

public:
    explicit WizardWindow(const WizardSetup& setup);
    ~WizardWindow() override;
    WizardWindow(const WizardWindow&) = delete;
    WizardWindow& operator=(const WizardWindow&) = delete;

    // Builds everything; false when a window could not be made.
    bool Create();

    // ---- The window and its controls, in creation order ----
    Form form;                      // class "TarnwickWizard", caption "*", hidden
    MultimediaTimer passwordTimer;  // configured (1 ms, resolution 255 ms), stopped
    Label branding;                 // greyed text of setting 27 before the separator
    Button back;
    Button next;    // the default button (Enter)
    Button cancel;  // the cancel button (Esc)
    UninstallPage uninstallPage;
    HeaderArea header;
    Panel separator;
    WelcomeFinishPage welcome;  // pages 0 and 9
    LicensePage license;
    InformationPage information;
    DestinationPage destination;
    StartMenuPage startMenu;
    ShortcutsPage shortcuts;
    ReadyPage ready;
    ProgressPage progress;
    PasswordPage password;

    // ---- Showing pages ----
    // Shows the panel of page id 0..9 and hides every other page panel (the welcome and finish
    // pages share one). The header, the Back button, the separator (placed anew) and the branding
    // line are shown for pages 1 to 8 and hidden otherwise. Id 10 (no page) hides them all.
    void ShowPage(int id);
    // The uninstaller's page with the header, the branding line and the separator.
    void ShowUninstallPage();
    // The panel that shows page id 0..9, or null.
    Panel* PagePanel(int id);
    // The header's title and subtitle.
    void SetPageTitles(const std::string& title, const std::string& subtitle);
    // Moves the separator right after the branding text (keep calling it when the text changes).
    void PlaceSeparator();
    // PageSequence[PagePosition], or NoPageId.
    int CurrentPage() const { return CurrentPageId(setup_.state); }

    // Raised after every change of the folder edit's text, once InstallFolder follows it (the
    // destination page's check of the folder hangs here).
    std::function<void()> onFolderChange;

    // How AdvanceProgress lets a step of a short installation be seen; a test counts the pauses
    // here instead of timing them.
    std::function<void(unsigned milliseconds)> pause = [](unsigned milliseconds) { Sleep(milliseconds); };

    const SetupModel& Model() const { return setup_.model; }
    RunState& State() { return setup_.state; }

    // ---- WizardInterface ----
    void SetStatus(const std::string& text) override;
    std::string Status() const override;
    void SetProgressMaximum(int maximum) override;
    int ProgressMaximum() const override;
    int ProgressPosition() const override;
    void SetProgressPosition(int position) override;
    void AdvanceProgress() override;
    std::string StartMenuGroup() const override;
    bool NoStartMenuGroup() const override;
    bool DesktopShortcutChosen() const override;
    bool StartMenuShortcutChosen() const override;
    bool QuickLaunchShortcutChosen() const override;
    bool LaunchChosen() const override;
    bool ReadmeChosen() const override;
    bool WebSiteChosen() const override;
    bool RestartNowChosen() const override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void AddRemovalLine(const std::string& text) override;
    void SetUninstallProgressMaximum(int maximum) override;
    int UninstallProgressMaximum() const override;
    int UninstallProgressPosition() const override;
    void SetUninstallProgressPosition(int position) override;
    void StepUninstallProgress() override;
    bool UninstallWebPageChosen() const override;
    void ShowUninstallCompleted() override;

private:
    bool CreateFrame();
    bool CreatePages();
    void ApplySettings();
    void ApplyInstallerSettings();
    void ApplyUninstallerSettings();
    void ApplyHeaderLayout();
    void ApplyShortcutOptions();
    void LoadRichText(RichEdit& box, uint8_t streamKind);
};

}  // namespace tarnwick
