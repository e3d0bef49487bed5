#pragma once
// The wizard's control ids: stable numbers by which the page flow, the tests and the end-to-end
// driver find each control, at any depth of the window tree. Never reuse or renumber one.

namespace tarnwick::wizard_ids {

// The window's frame.
constexpr int Back = 1001;
constexpr int Next = 1002;
constexpr int Cancel = 1003;
constexpr int Branding = 1004;
constexpr int Separator = 1005;

// The header area and its children.
constexpr int Header = 1010;
constexpr int PageTitle = 1011;
constexpr int PageSubtitle = 1012;
constexpr int HeaderPicture = 1013;
constexpr int HeaderEdgeShadow = 1014;  // the row at y 58
constexpr int HeaderEdgeLight = 1015;   // the bottom row, y 59

// Page panels. The welcome and finish pages share one panel.
constexpr int WelcomeFinishPanel = 1100;
constexpr int LicensePanel = 1101;
constexpr int PasswordPanel = 1102;
constexpr int InformationPanel = 1103;
constexpr int DestinationPanel = 1104;
constexpr int StartMenuPanel = 1105;
constexpr int ShortcutsPanel = 1106;
constexpr int ReadyPanel = 1107;
constexpr int ProgressPanel = 1108;
constexpr int UninstallPanel = 1110;

// Welcome and finish pages.
constexpr int BigTitle = 1201;
constexpr int BodyText = 1202;
constexpr int LaunchOption = 1203;
constexpr int ReadmeOption = 1204;
constexpr int WebSiteOption = 1205;
constexpr int SidePicture = 1206;
constexpr int BottomLine = 1207;
constexpr int RestartNow = 1208;
constexpr int RestartLater = 1209;

// License page.
constexpr int LicensePrompt = 1301;
constexpr int LicenseText = 1302;

// Password page.
constexpr int PasswordPrompt = 1401;
constexpr int PasswordIcon = 1402;
constexpr int PasswordGroup = 1403;
constexpr int PasswordEdit = 1404;

// Information page.
constexpr int InformationPrompt = 1501;
constexpr int InformationText = 1502;

// Destination page.
constexpr int DestinationPrompt = 1601;
constexpr int DestinationIcon = 1602;
constexpr int FolderGroup = 1603;
constexpr int FolderEdit = 1604;
constexpr int BrowseButton = 1605;

// Start-menu page.
constexpr int StartMenuPrompt = 1701;
constexpr int GroupEdit = 1702;
constexpr int GroupList = 1703;
constexpr int NoGroupOption = 1704;

// Shortcuts page.
constexpr int ShortcutsPrompt = 1801;
constexpr int DesktopOption = 1802;
constexpr int StartMenuOption = 1803;
constexpr int QuickLaunchOption = 1804;
constexpr int ShortcutsIcon = 1805;

// Ready page.
constexpr int ReadyPrompt = 1901;
constexpr int Summary = 1902;

// Installing page.
constexpr int ProgressPrompt = 2001;
constexpr int StatusLine = 2002;
constexpr int InstallProgress = 2003;

// Uninstall page.
constexpr int UninstallText = 2101;
constexpr int UninstallFolderLabel = 2102;
constexpr int RemovalList = 2103;
constexpr int UninstallProgress = 2104;
constexpr int UninstallFolderBox = 2105;
constexpr int WebPageOption = 2106;

// The panel that shows page id 0..9 (PageId, ui/WizardState.h); 0 for any other id.
constexpr int PagePanel(int pageId) {
    switch (pageId) {
    case 0:
    case 9:
        return WelcomeFinishPanel;
    case 1: return LicensePanel;
    case 2: return PasswordPanel;
    case 3: return InformationPanel;
    case 4: return DestinationPanel;
    case 5: return StartMenuPanel;
    case 6: return ShortcutsPanel;
    case 7: return ReadyPanel;
    case 8: return ProgressPanel;
    default: return 0;
    }
}

}  // namespace tarnwick::wizard_ids
