// What the setup's settings say about the wizard's controls once they exist: header layout and
// colour, the optional controls, the texts that come from the machine, pictures and rich texts.

#include <fstream>
#include <iterator>
#include <vector>

#include "package/PackageFormat.h"
#include "ui/WizardLayout.h"
#include "ui/win32/Wizard.h"
#include "widgets/Color.h"

namespace tarnwick {

void WizardWindow::ApplySettings() {
    const SetupModel& model = setup_.model;
    header.panel.SetBackgroundColor(ResolveColor(static_cast<uint32_t>(model.SettingNumber(70))));
    ApplyHeaderLayout();
    if (setup_.state.IsInstaller) {
        ApplyInstallerSettings();
    } else {
        ApplyUninstallerSettings();
    }
    PlaceSeparator();
}

void WizardWindow::ApplyHeaderLayout() {
    const SetupModel& model = setup_.model;
    if (!model.SettingFlag(49)) {
        // No gradient and picture: the texts use the whole width. Their places from the settings
        // below still win; only the width stays.
        header.picture.Hide();
        header.title.SetBounds({20, header.title.Top(), 440, header.title.Height()});
        header.subtitle.SetBounds({28, header.subtitle.Top(), 440, header.subtitle.Height()});
    }
    header.title.SetPosition(model.SettingNumber(69), model.SettingNumber(72));
    header.subtitle.SetPosition(model.SettingNumber(73), model.SettingNumber(78));
}

void WizardWindow::ApplyInstallerSettings() {
    const SetupModel& model = setup_.model;
    if (model.SettingFlag(30)) LoadRichText(license.licenseText, LicenseTextKind);
    if (!model.SettingText(29).empty()) password.CreatePasswordEdit(static_cast<unsigned>(model.SettingNumber(59)));
    if (model.SettingFlag(84)) LoadRichText(information.informationText, InformationTextKind);

    // Raises the folder edit's change: InstallFolder follows.
    destination.folderEdit.SetText(ExpandPathTokens(model.SettingText(58), setup_.tokens));
    if (model.SettingFlag(86)) startMenu.groupEdit.SetText(model.SettingText(106));
    ApplyShortcutOptions();

    if (!model.SettingFlag(63)) {
        welcome.sidePicture.Hide();
        for (Label* text : {&welcome.bigTitle, &welcome.bodyText}) {
            text->SetBounds({20, text->Top(), 400, text->Height()});
        }
    }
    if (model.SettingFlag(76)) {
        destination.folderEdit.SetEnabled(false);
        destination.browseButton.SetEnabled(false);
    }
    if (model.SettingFlag(109)) {
        startMenu.prompt.SetEnabled(false);
        startMenu.groupEdit.SetEnabled(false);
        startMenu.groupList.SetEnabled(false);
    }
}

void WizardWindow::ApplyShortcutOptions() {
    const SetupModel& model = setup_.model;
    if (!model.SettingFlag(22)) return;  // no additional shortcuts: the options stay hidden
    shortcuts.desktopOption.SetVisible(model.SettingFlag(88));
    shortcuts.startMenuOption.SetVisible(model.SettingFlag(89));
    shortcuts.quickLaunchOption.SetVisible(model.SettingFlag(90) && !setup_.tokens.ResolveToken(7).empty());
    if (!model.SettingFlag(114)) return;

    ShortcutOptionTops tops;
    tops.desktop = shortcuts.desktopOption.Top();
    tops.startMenu = shortcuts.startMenuOption.Top();
    tops.quickLaunch = shortcuts.quickLaunchOption.Top();
    tops = CloseUpShortcutOptions(tops, shortcuts.desktopOption.Visible(), shortcuts.startMenuOption.Visible());
    shortcuts.startMenuOption.SetTop(tops.startMenu);
    shortcuts.quickLaunchOption.SetTop(tops.quickLaunch);
}

void WizardWindow::ApplyUninstallerSettings() {
    uninstallPage.webPageOption.SetVisible(setup_.model.SettingFlag(68));
    uninstallPage.folderBox.SetText(setup_.state.LogStateValues[1]);
}

void WizardWindow::LoadRichText(RichEdit& box, uint8_t streamKind) {
    // A missing stream file leaves the box empty: the package had no such text.
    std::ifstream file(TempFileNameIn(setup_.streamFolder, streamKind), std::ios::binary);
    if (!file) return;
    std::vector<uint8_t> rtf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    box.LoadRtf(rtf);
}

}  // namespace tarnwick
