// The wizard window: creation of the window, its frame controls and every page, in the order
// that is also the Tab order, and the showing of one page at a time.

#include "base/MessagePump.h"
#include "package/win32/TempFolder.h"
#include "ui/WizardControlIds.h"
#include "ui/WizardLayout.h"
#include "ui/win32/Wizard.h"
#include "ui/win32/WizardControls.h"
#include "widgets/MessageLoop.h"

namespace tarnwick {

namespace ids = wizard_ids;

WizardWindow::WizardWindow(const WizardSetup& setup) : setup_(setup) {
    if (setup_.streamFolder.empty()) setup_.streamFolder = TempFolder();
}

WizardWindow::~WizardWindow() = default;

bool WizardWindow::Create() {
    const SetupModel& model = setup_.model;
    pictures_.Load(setup_.package);

    FormArgs formArgs;
    formArgs.owner = setup_.owner;
    formArgs.className = "TarnwickWizard";
    formArgs.caption = "*";
    formArgs.x = 418;
    formArgs.y = 130;
    formArgs.clientWidth = 495;
    formArgs.clientHeight = 359;
    formArgs.frame = FormFrame::Normal;  // minimize box, no maximize box, fixed size
    formArgs.iconResource = "MAINICON";
    if (!form.Create(formArgs)) return false;
    form.SetMainForm(true);

    // The password check: started only while the password page is shown.
    passwordTimer.Configure(1, 255);

    bool created = true;
    auto brandingArgs =
        ControlAt<LabelArgs>(form, ids::Branding, {12, 307, 0, 0}, ExpandPathTokens(model.SettingText(27), setup_.tokens));
    brandingArgs.autoSize = true;
    brandingArgs.transparent = true;
    brandingArgs.enabled = false;  // drawn greyed
    brandingArgs.visible = false;
    created &= branding.Create(brandingArgs);

    auto backArgs = ControlAt<ButtonArgs>(form, ids::Back, {249, 327, 75, 23}, model.Message(24));
    backArgs.enabled = false;
    created &= back.Create(backArgs);
    created &= next.Create(ControlAt<ButtonArgs>(form, ids::Next, {324, 327, 75, 23}));
    created &= cancel.Create(ControlAt<ButtonArgs>(form, ids::Cancel, {410, 327, 75, 23}, model.Message(25)));

    PageBuildContext context{form, model, pictures_};
    created &= uninstallPage.Create(context);
    created &= header.Create(context);

    auto separatorArgs = ControlAt<PanelArgs>(form, ids::Separator, {12, 314, 473, 2});
    separatorArgs.edge = PanelEdge::Sunken;
    separatorArgs.visible = false;
    created &= separator.Create(separatorArgs);

    created &= welcome.Create(context);
    created &= license.Create(context);
    created &= information.Create(context);
    created &= destination.Create(context);
    created &= startMenu.Create(context);
    created &= shortcuts.Create(context);
    created &= ready.Create(context);
    created &= progress.Create(context);
    created &= password.Create(context);
    if (!created) return false;

    destination.folderEdit.onChange = [this] {
        setup_.state.InstallFolder = InstallFolderFromText(destination.folderEdit.Text());
        if (onFolderChange) onFolderChange();
    };

    form.SetDefaultButton(&next);
    form.SetCancelButton(&cancel);
    form.CentreOnScreen();
    ApplySettings();
    InstallMessagePump(&ProcessPendingMessages);
    return true;
}

Panel* WizardWindow::PagePanel(int id) {
    switch (id) {
    case WelcomePageId:
    case FinishPageId: return &welcome.panel;
    case LicensePageId: return &license.panel;
    case PasswordPageId: return &password.panel;
    case InformationPageId: return &information.panel;
    case DestinationPageId: return &destination.panel;
    case StartMenuPageId: return &startMenu.panel;
    case ShortcutsPageId: return &shortcuts.panel;
    case ReadyPageId: return &ready.panel;
    case ProgressPageId: return &progress.panel;
    default: return nullptr;
    }
}

void WizardWindow::ShowPage(int id) {
    if (Panel* shown = PagePanel(id)) {
        uninstallPage.panel.Hide();
        for (int other = WelcomePageId; other <= FinishPageId; ++other) {
            if (PagePanel(other) != shown) PagePanel(other)->Hide();
        }
        shown->Show();
    }
    bool chrome = PageShowsChrome(id);
    header.panel.SetVisible(chrome);
    back.SetVisible(chrome);
    separator.SetVisible(chrome);
    branding.SetVisible(chrome);
    if (chrome) PlaceSeparator();
}

void WizardWindow::ShowUninstallPage() {
    for (int id = WelcomePageId; id <= FinishPageId; ++id) PagePanel(id)->Hide();
    uninstallPage.panel.Show();
    header.panel.Show();
    branding.Show();
    separator.Show();
    PlaceSeparator();
}

void WizardWindow::SetPageTitles(const std::string& title, const std::string& subtitle) {
    header.title.SetText(title);
    header.subtitle.SetText(subtitle);
}

void WizardWindow::PlaceSeparator() {
    Bounds brandingBounds = branding.GetBounds();
    SeparatorPlacement placement = SeparatorAfterBranding(brandingBounds.x, brandingBounds.width, form.Width());
    Bounds line = separator.GetBounds();
    separator.SetBounds({placement.left, line.y, placement.width, line.height});
}

}  // namespace tarnwick
