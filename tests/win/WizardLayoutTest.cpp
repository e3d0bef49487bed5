// The wizard window as it is built: every control's place, size, text, parent, visibility and
// enabled state, the creation (and Tab) order, the fonts, and what the settings change.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "WizardTestSupport.h"
#include "driver/Driver.h"
#include "ui/WizardControlIds.h"

using namespace tarnwick;
using namespace wizard_test;
namespace ids = tarnwick::wizard_ids;

namespace {

const std::vector<std::string>& Messages() {
    static const std::vector<std::string> messages = EnglishMessages();
    return messages;
}
std::string Msg(int n) { return Messages()[static_cast<size_t>(n - 1)]; }

constexpr int Auto = -1;  // auto-sized: only a size above zero is checked
const char* const RichText = "(rich text)";  // contents checked by the rich text tests

// A control as the page tables describe it; `shown` is the control's own visibility flag (its
// panel may be hidden).
struct ExpectedControl {
    int id;
    int parent;  // control id of the parent window; 0 for the wizard window itself
    int x, y, width, height;
    std::string text;
    bool shown;
    bool enabled;
};

bool OwnVisibility(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

void ExpectControl(HWND root, const ExpectedControl& e) {
    SCOPED_TRACE("control " + std::to_string(e.id));
    HWND control = driver::FindControl(root, e.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(GetDlgCtrlID(GetParent(control)), e.parent);
    RECT rect = driver::ControlRect(control);
    EXPECT_EQ(rect.left, e.x);
    EXPECT_EQ(rect.top, e.y);
    if (e.width == Auto) {
        EXPECT_GT(rect.right - rect.left, 0);
        EXPECT_GT(rect.bottom - rect.top, 0);
    } else {
        EXPECT_EQ(rect.right - rect.left, e.width);
        EXPECT_EQ(rect.bottom - rect.top, e.height);
    }
    if (e.text != RichText) {
        EXPECT_EQ(driver::WindowText(control), e.text);
    }
    EXPECT_EQ(OwnVisibility(control), e.shown);
    EXPECT_EQ(driver::IsEnabled(control), e.enabled);
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    EXPECT_TRUE(handle);
    GetObjectA(handle, sizeof font, &font);
    return font;
}

std::vector<int> ChildIds(HWND parent) {
    std::vector<int> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(GetDlgCtrlID(child));
    }
    return children;
}

}  // namespace

TEST(WizardLayout, EveryControlHasThePlaceSizeTextAndStateOfItsPage) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    const std::string folder = "C:\\Program Files\\Demo Application";
    const int wizardWindow = 0;  // the parent of the frame controls and panels
    const ExpectedControl expected[] = {
        // The frame.
        {ids::Back, wizardWindow, 249, 327, 75, 23, Msg(24), true, false},
        {ids::Next, wizardWindow, 324, 327, 75, 23, "", true, true},
        {ids::Cancel, wizardWindow, 410, 327, 75, 23, Msg(25), true, true},
        {ids::Branding, wizardWindow, 12, 307, Auto, Auto, "Tarnwick Install System", false, false},
        {ids::Header, wizardWindow, 0, 0, 497, 60, "", false, true},
        // The header area.
        {ids::PageTitle, ids::Header, 171, 8, 302, 14, "", true, true},
        {ids::PageSubtitle, ids::Header, 178, 26, 297, 26, "", true, true},
        {ids::HeaderPicture, ids::Header, 0, 0, 497, 58, "", true, true},
        {ids::HeaderEdgeShadow, ids::Header, 0, 58, 497, 1, "", true, true},
        {ids::HeaderEdgeLight, ids::Header, 0, 59, 497, 1, "", true, true},
        // Page panels, all hidden.
        {ids::WelcomeFinishPanel, wizardWindow, 0, 0, 497, 316, "", false, true},
        {ids::LicensePanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::PasswordPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::InformationPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::DestinationPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::StartMenuPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::ShortcutsPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::ReadyPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::ProgressPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        {ids::UninstallPanel, wizardWindow, 0, 60, 495, 245, "", false, true},
        // Welcome and finish.
        {ids::BigTitle, ids::WelcomeFinishPanel, 176, 16, 300, 56, Msg(1), true, true},
        {ids::BodyText, ids::WelcomeFinishPanel, 176, 80, 300, 210, Msg(2), true, true},
        {ids::LaunchOption, ids::WelcomeFinishPanel, 176, 152, Auto, Auto, Msg(20), false, true},
        {ids::ReadmeOption, ids::WelcomeFinishPanel, 176, 176, Auto, Auto, Msg(21), false, true},
        {ids::WebSiteOption, ids::WelcomeFinishPanel, 176, 198, Auto, Auto, Msg(84), false, true},
        {ids::SidePicture, ids::WelcomeFinishPanel, 0, 0, 164, 314, "", true, true},
        {ids::BottomLine, ids::WelcomeFinishPanel, 0, 314, 497, 1, "", true, true},
        {ids::RestartNow, ids::WelcomeFinishPanel, 176, 152, Auto, Auto, Msg(66), false, true},
        {ids::RestartLater, ids::WelcomeFinishPanel, 176, 176, Auto, Auto, Msg(67), false, true},
        // License.
        {ids::LicensePrompt, ids::LicensePanel, 22, 12, 452, 41, Msg(18), true, true},
        {ids::LicenseText, ids::LicensePanel, 22, 56, 452, 178, RichText, true, true},
        // Password.
        {ids::PasswordPrompt, ids::PasswordPanel, 112, 16, 360, 72, Msg(55), true, true},
        {ids::PasswordIcon, ids::PasswordPanel, 32, 32, 48, 48, "", true, true},
        {ids::PasswordGroup, ids::PasswordPanel, 22, 128, 452, 59, Msg(56), true, true},
        {ids::PasswordEdit, ids::PasswordGroup, 16, 22, 420, 22, "", true, true},
        // Information.
        {ids::InformationPrompt, ids::InformationPanel, 22, 12, 452, 41, Msg(82), true, true},
        {ids::InformationText, ids::InformationPanel, 22, 56, 452, 178, RichText, true, true},
        // Destination.
        {ids::DestinationPrompt, ids::DestinationPanel, 112, 16, 360, 81, Msg(29), true, true},
        {ids::DestinationIcon, ids::DestinationPanel, 32, 32, 48, 48, "", true, true},
        {ids::FolderGroup, ids::DestinationPanel, 22, 128, 452, 59, Msg(3), true, true},
        {ids::FolderEdit, ids::FolderGroup, 16, 22, 329, 22, folder, true, true},
        {ids::BrowseButton, ids::FolderGroup, 360, 21, 75, 23, Msg(27), true, true},
        // Start menu.
        {ids::StartMenuPrompt, ids::StartMenuPanel, 22, 12, 452, 35, Msg(19), true, true},
        {ids::GroupEdit, ids::StartMenuPanel, 22, 56, 452, 22, "Demo Application", true, true},
        {ids::GroupList, ids::StartMenuPanel, 22, 80, 452, 138, "", true, true},
        {ids::NoGroupOption, ids::StartMenuPanel, 22, 224, Auto, Auto, Msg(28), true, true},
        // Shortcuts.
        {ids::ShortcutsPrompt, ids::ShortcutsPanel, 112, 16, 360, 72, Msg(50), true, true},
        {ids::DesktopOption, ids::ShortcutsPanel, 22, 128, Auto, Auto, Msg(31), true, true},
        {ids::StartMenuOption, ids::ShortcutsPanel, 22, 152, Auto, Auto, Msg(32), true, true},
        {ids::QuickLaunchOption, ids::ShortcutsPanel, 22, 176, Auto, Auto, Msg(33), true, true},
        {ids::ShortcutsIcon, ids::ShortcutsPanel, 32, 32, 48, 48, "", true, true},
        // Ready.
        {ids::ReadyPrompt, ids::ReadyPanel, 22, 12, 452, 41, Msg(4), true, true},
        {ids::Summary, ids::ReadyPanel, 22, 56, 452, 178, "", true, true},
        // Installing.
        {ids::ProgressPrompt, ids::ProgressPanel, 22, 16, 452, 57, Msg(5), true, true},
        {ids::StatusLine, ids::ProgressPanel, 22, 186, 452, 14, "", true, true},
        {ids::InstallProgress, ids::ProgressPanel, 22, 208, 452, 18, "", true, true},
        // Uninstall (its folder box is filled only in an uninstaller).
        {ids::UninstallText, ids::UninstallPanel, 22, 22, 451, 57, Msg(63), true, true},
        {ids::UninstallFolderLabel, ids::UninstallPanel, 22, 96, Auto, Auto, Msg(65), true, true},
        {ids::RemovalList, ids::UninstallPanel, 22, 30, 452, 174, "", false, true},
        {ids::UninstallProgress, ids::UninstallPanel, 22, 212, 452, 18, "", false, true},
        {ids::UninstallFolderBox, ids::UninstallPanel, 110, 90, 364, 22, "", true, true},
        {ids::WebPageOption, ids::UninstallPanel, 24, 132, Auto, Auto, Msg(81), false, true},
    };
    for (const ExpectedControl& e : expected) ExpectControl(t.Window(), e);

    // The separator: hidden, 2 pixels high at y 314, already placed after the branding text.
    HWND branding = t.Control(ids::Branding);
    HWND separator = t.Control(ids::Separator);
    RECT brandingRect = driver::ControlRect(branding), line = driver::ControlRect(separator);
    RECT window;
    GetWindowRect(t.Window(), &window);
    EXPECT_FALSE(OwnVisibility(separator));
    EXPECT_EQ(line.left, brandingRect.right);
    EXPECT_EQ(line.right, window.right - window.left - 20);
    EXPECT_EQ(line.top, 314);
    EXPECT_EQ(line.bottom - line.top, 2);

    // Ticks as the window starts: the finish options by settings 44, 46 and 38 (all on here),
    // restart now selected, the shortcut options ticked, the no-group option not.
    for (int id : {ids::LaunchOption, ids::ReadmeOption, ids::WebSiteOption, ids::RestartNow, ids::DesktopOption,
                   ids::StartMenuOption, ids::QuickLaunchOption, ids::WebPageOption}) {
        EXPECT_TRUE(driver::IsChecked(t.Control(id))) << id;
    }
    EXPECT_FALSE(driver::IsChecked(t.Control(ids::RestartLater)));
    EXPECT_FALSE(driver::IsChecked(t.Control(ids::NoGroupOption)));
}

TEST(WizardLayout, TheWindowIsAFixedCentredMainFormWithNextAndCancelRoles) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    HWND window = t.Window();
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "TarnwickWizard");
    EXPECT_EQ(driver::WindowText(window), "*");
    EXPECT_FALSE(IsWindowVisible(window)) << "the page flow shows it";

    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, 495);
    EXPECT_EQ(client.bottom, 359);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);

    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";

    EXPECT_EQ(LOWORD(SendMessageA(window, DM_GETDEFID, 0, 0)), ids::Next);
    EXPECT_EQ(t.wizard->form.DefaultButton(), &t.wizard->next);
    EXPECT_EQ(t.wizard->form.CancelButton(), &t.wizard->cancel);
    EXPECT_FALSE(t.wizard->passwordTimer.Enabled()) << "the password check runs only on its page";
}

TEST(WizardLayout, ControlsAreCreatedInTheirOrder) {
    // Creation order is the Tab order and the order of painting transparent labels over pictures.
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    struct Order {
        int parent;  // 0: the window
        std::vector<int> children;
    } orders[] = {
        {0,
         {ids::Branding, ids::Back, ids::Next, ids::Cancel, ids::UninstallPanel, ids::Header, ids::Separator,
          ids::WelcomeFinishPanel, ids::LicensePanel, ids::InformationPanel, ids::DestinationPanel,
          ids::StartMenuPanel, ids::ShortcutsPanel, ids::ReadyPanel, ids::ProgressPanel, ids::PasswordPanel}},
        {ids::Header,
         {ids::PageTitle, ids::PageSubtitle, ids::HeaderPicture, ids::HeaderEdgeLight, ids::HeaderEdgeShadow}},
        {ids::WelcomeFinishPanel,
         {ids::BigTitle, ids::BodyText, ids::LaunchOption, ids::ReadmeOption, ids::WebSiteOption, ids::SidePicture,
          ids::BottomLine, ids::RestartNow, ids::RestartLater}},
        {ids::PasswordPanel, {ids::PasswordPrompt, ids::PasswordIcon, ids::PasswordGroup}},
        {ids::DestinationPanel, {ids::DestinationPrompt, ids::DestinationIcon, ids::FolderGroup}},
        {ids::FolderGroup, {ids::FolderEdit, ids::BrowseButton}},
        {ids::StartMenuPanel, {ids::StartMenuPrompt, ids::GroupEdit, ids::GroupList, ids::NoGroupOption}},
        {ids::ShortcutsPanel,
         {ids::ShortcutsPrompt, ids::DesktopOption, ids::StartMenuOption, ids::QuickLaunchOption, ids::ShortcutsIcon}},
        {ids::ProgressPanel, {ids::ProgressPrompt, ids::StatusLine, ids::InstallProgress}},
        {ids::UninstallPanel,
         {ids::UninstallText, ids::UninstallFolderLabel, ids::RemovalList, ids::UninstallProgress,
          ids::UninstallFolderBox, ids::WebPageOption}},
    };
    for (const Order& order : orders) {
        SCOPED_TRACE("children of " + std::to_string(order.parent));
        HWND parent = order.parent ? t.Control(order.parent) : t.Window();
        EXPECT_EQ(ChildIds(parent), order.children);
    }
}

TEST(WizardLayout, FontsOfTheWindowTitlesAndUninstallText) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    struct Case {
        int id;  // 0: the window
        const char* face;
        int height;
        bool bold;
    } cases[] = {
        {0, "Tahoma", -11, false},
        {ids::LicensePrompt, "Tahoma", -11, false},
        {ids::Next, "Tahoma", -11, false},
        {ids::BigTitle, "Verdana", 19, true},
        {ids::PageTitle, "Tahoma", -11, true},
        {ids::PageSubtitle, "Tahoma", -11, false},
        {ids::UninstallText, "tahoma", -11, false},
        {ids::PasswordEdit, "Tahoma", -11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        LOGFONTA font = FontOf(c.id ? t.Control(c.id) : t.Window());
        EXPECT_STREQ(font.lfFaceName, c.face);
        EXPECT_EQ(font.lfHeight, c.height);
        EXPECT_EQ(font.lfWeight >= FW_BOLD, c.bold);
    }
}

namespace {

constexpr int Any = -1000;  // not checked

struct Check {
    int id;
    int x = Any, y = Any, width = Any;
    int shown = Any;    // 0 or 1
    int enabled = Any;  // 0 or 1
};

void ExpectChecks(TestWizard& t, const std::vector<Check>& checks) {
    for (const Check& c : checks) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        HWND control = t.Control(c.id);
        if (!control) continue;
        RECT rect = driver::ControlRect(control);
        if (c.x != Any) {
            EXPECT_EQ(rect.left, c.x);
        }
        if (c.y != Any) {
            EXPECT_EQ(rect.top, c.y);
        }
        if (c.width != Any) {
            EXPECT_EQ(rect.right - rect.left, c.width);
        }
        if (c.shown != Any) {
            EXPECT_EQ(OwnVisibility(control), c.shown == 1);
        }
        if (c.enabled != Any) {
            EXPECT_EQ(driver::IsEnabled(control), c.enabled == 1);
        }
    }
}

Check At(int id, int x, int y, int width = Any) { return {id, x, y, width, Any, Any}; }
Check Shown(int id, bool shown) { return {id, Any, Any, Any, shown ? 1 : 0, Any}; }
Check Enabled(int id, bool enabled) { return {id, Any, Any, Any, Any, enabled ? 1 : 0}; }

}  // namespace

TEST(WizardLayout, SettingsMoveHideAndDisableControls) {
    struct Case {
        const char* name;
        std::function<void(GeneralSettingArray&)> change;
        std::string quickLaunch;
        std::vector<Check> checks;
    } cases[] = {
        {"header without gradient and picture: 440 wide, placed by the settings",
         [](GeneralSettingArray& s) {
             s[49] = "0";
             s[69] = "30";
             s[72] = "5";
             s[73] = "36";
             s[78] = "22";
         },
         "C:\\QL",
         {Shown(ids::HeaderPicture, false), At(ids::PageTitle, 30, 5, 440), At(ids::PageSubtitle, 36, 22, 440)}},
        {"header without gradient at the default places",
         [](GeneralSettingArray& s) {
             s[49] = "0";
             s[69] = "20";
             s[73] = "28";
         },
         "C:\\QL",
         {At(ids::PageTitle, 20, 8, 440), At(ids::PageSubtitle, 28, 26, 440)}},
        {"header with gradient, texts moved by the settings",
         [](GeneralSettingArray& s) {
             s[69] = "200";
             s[72] = "10";
             s[73] = "210";
             s[78] = "30";
         },
         "C:\\QL",
         {Shown(ids::HeaderPicture, true), At(ids::PageTitle, 200, 10, 302), At(ids::PageSubtitle, 210, 30, 297)}},
        {"no side picture: welcome texts from the left, 400 wide",
         [](GeneralSettingArray& s) { s[63] = "0"; },
         "C:\\QL",
         {Shown(ids::SidePicture, false), At(ids::BigTitle, 20, 16, 400), At(ids::BodyText, 20, 80, 400)}},
        {"fixed destination",
         [](GeneralSettingArray& s) { s[76] = "1"; },
         "C:\\QL",
         {Enabled(ids::FolderEdit, false), Enabled(ids::BrowseButton, false)}},
        {"fixed group",
         [](GeneralSettingArray& s) { s[109] = "1"; },
         "C:\\QL",
         {Enabled(ids::StartMenuPrompt, false), Enabled(ids::GroupEdit, false), Enabled(ids::GroupList, false),
          Enabled(ids::NoGroupOption, true)}},
        {"no additional shortcuts offered",
         [](GeneralSettingArray& s) { s[22] = "0"; },
         "C:\\QL",
         {Shown(ids::DesktopOption, false), Shown(ids::StartMenuOption, false), Shown(ids::QuickLaunchOption, false)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupScriptSpec spec = FullSetupScript();
        c.change(spec.Settings);
        TestWizard::Options options;
        options.quickLaunch = c.quickLaunch;
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        ExpectChecks(t, c.checks);
    }
}

TEST(WizardLayout, ShortcutOptionsShowWhatTheSetupOffersAndCloseUp) {
    struct Case {
        const char* desktop;      // setting 88
        const char* startMenu;    // setting 89
        const char* quickLaunch;  // setting 90
        std::string folder;       // the machine's Quick Launch folder
        const char* closeUp;      // setting 114
        bool shown[3];
        int tops[3];  // desktop, start menu, quick launch
    } cases[] = {
        {"1", "1", "1", "C:\\QL", "1", {true, true, true}, {128, 152, 176}},
        {"0", "1", "1", "C:\\QL", "1", {false, true, true}, {128, 128, 152}},
        {"1", "0", "1", "C:\\QL", "1", {true, false, true}, {128, 152, 152}},
        {"0", "0", "1", "C:\\QL", "1", {false, false, true}, {128, 128, 128}},
        {"1", "1", "0", "C:\\QL", "1", {true, true, false}, {128, 152, 176}},
        {"1", "1", "1", "", "1", {true, true, false}, {128, 152, 176}},
        {"0", "1", "1", "", "1", {false, true, false}, {128, 128, 152}},
        {"0", "0", "0", "C:\\QL", "1", {false, false, false}, {128, 128, 128}},
        {"0", "1", "1", "C:\\QL", "0", {false, true, true}, {128, 152, 176}},  // no closing up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("88/89/90/114 = ") + c.desktop + c.startMenu + c.quickLaunch + c.closeUp +
                     ", Quick Launch '" + c.folder + "'");
        SetupScriptSpec spec = FullSetupScript();
        spec.Settings[88] = c.desktop;
        spec.Settings[89] = c.startMenu;
        spec.Settings[90] = c.quickLaunch;
        spec.Settings[114] = c.closeUp;
        TestWizard::Options options;
        options.quickLaunch = c.folder;
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        const int optionIds[3] = {ids::DesktopOption, ids::StartMenuOption, ids::QuickLaunchOption};
        for (int i = 0; i < 3; ++i) {
            HWND option = t.Control(optionIds[i]);
            EXPECT_EQ(OwnVisibility(option), c.shown[i]) << "option " << i;
            EXPECT_EQ(driver::ControlRect(option).top, c.tops[i]) << "option " << i;
            EXPECT_EQ(driver::ControlRect(option).left, 22);
        }
    }
}

TEST(WizardLayout, PasswordEditExistsOnlyWithAPasswordAndTakesTheEditOptions) {
    struct Case {
        const char* password;  // setting 29
        const char* options;   // setting 59
        bool installer;
        bool exists;
        bool masked;
        bool readOnly;
    } cases[] = {
        {"ABCDEF", "64", true, true, true, false},   // bit 6
        {"ABCDEF", "128", true, true, false, true},  // bit 7
        {"ABCDEF", "192", true, true, true, true},
        {"ABCDEF", "0", true, true, false, false},
        {"", "64", true, false, false, false},
        {"ABCDEF", "64", false, false, false, false},  // the uninstaller asks for no password
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("29 '") + c.password + "', 59 " + c.options + (c.installer ? "" : ", uninstaller"));
        SetupScriptSpec spec = FullSetupScript();
        spec.Settings[29] = c.password;
        spec.Settings[59] = c.options;
        TestWizard::Options options;
        options.installer = c.installer;
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        HWND edit = driver::FindControl(t.Window(), ids::PasswordEdit);
        EXPECT_EQ(edit != nullptr, c.exists);
        if (!edit) continue;
        LONG_PTR style = GetWindowLongPtrA(edit, GWL_STYLE);
        EXPECT_EQ((style & ES_PASSWORD) != 0, c.masked);
        EXPECT_EQ((style & ES_READONLY) != 0, c.readOnly);
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_TRUE(driver::IsEnabled(edit));
        if (c.masked) {
            // Typed characters are shown masked.
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("secret"));
            EXPECT_NE(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
        }
    }
}

TEST(WizardLayout, UninstallerFillsItsPageFromTheLogAndSetting68) {
    for (const char* webPage : {"1", "0"}) {
        SCOPED_TRACE(std::string("setting 68 = ") + webPage);
        SetupScriptSpec spec = FullSetupScript();
        spec.Settings[68] = webPage;
        TestWizard::Options options;
        options.installer = false;
        options.loggedFolder = "D:\\Apps\\Logged\\";
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        EXPECT_EQ(driver::WindowText(t.Control(ids::UninstallFolderBox)), "D:\\Apps\\Logged\\");
        EXPECT_TRUE(GetWindowLongPtrA(t.Control(ids::UninstallFolderBox), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(OwnVisibility(t.Control(ids::WebPageOption)), webPage[0] == '1');
        EXPECT_TRUE(driver::IsChecked(t.Control(ids::WebPageOption)));
        // The installer's choices are left alone: no folder, and InstallFolder stays as start-up set it.
        EXPECT_EQ(driver::WindowText(t.Control(ids::FolderEdit)), "");
        EXPECT_EQ(t.state.InstallFolder, "");
    }
}

TEST(WizardLayout, ShowPageShowsOnePanelAndTheChromeOfPagesOneToEight) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    const int panels[] = {ids::WelcomeFinishPanel, ids::LicensePanel,   ids::PasswordPanel, ids::InformationPanel,
                          ids::DestinationPanel,   ids::StartMenuPanel, ids::ShortcutsPanel, ids::ReadyPanel,
                          ids::ProgressPanel,      ids::WelcomeFinishPanel};
    for (int id = 0; id <= 9; ++id) {
        SCOPED_TRACE("page " + std::to_string(id));
        t.wizard->ShowPage(id);
        for (int panel : panels) EXPECT_EQ(OwnVisibility(t.Control(panel)), panel == panels[id]) << panel;
        EXPECT_FALSE(OwnVisibility(t.Control(ids::UninstallPanel)));
        bool chrome = id >= 1 && id <= 8;
        for (int part : {ids::Header, ids::Back, ids::Separator, ids::Branding}) {
            EXPECT_EQ(OwnVisibility(t.Control(part)), chrome) << part;
        }
    }
    // Id 10 has no page: the last panel stays, the chrome goes.
    t.wizard->ShowPage(9);
    t.wizard->ShowPage(10);
    EXPECT_TRUE(OwnVisibility(t.Control(ids::WelcomeFinishPanel)));
    EXPECT_FALSE(OwnVisibility(t.Control(ids::Header)));

    t.wizard->ShowUninstallPage();
    for (int panel : panels) EXPECT_FALSE(OwnVisibility(t.Control(panel))) << panel;
    for (int part : {ids::UninstallPanel, ids::Header, ids::Separator, ids::Branding}) {
        EXPECT_TRUE(OwnVisibility(t.Control(part))) << part;
    }
}

TEST(WizardLayout, SeparatorStartsAfterTheBrandingTextAndEndsTwentyPixelsBeforeTheEdge) {
    for (const char* branding : {"Tarnwick Install System", "", "A much longer branding line for @$&%01"}) {
        SCOPED_TRACE(branding);
        SetupScriptSpec spec = FullSetupScript();
        spec.Settings[27] = branding;
        TestWizard t(spec);
        ASSERT_TRUE(t.created);
        HWND label = t.Control(ids::Branding);
        t.wizard->ShowPage(1);
        RECT text = driver::ControlRect(label), line = driver::ControlRect(t.Control(ids::Separator)), window;
        GetWindowRect(t.Window(), &window);
        EXPECT_EQ(line.left, 12 + (text.right - text.left));
        EXPECT_EQ(line.right - line.left, (window.right - window.left) - 12 - (text.right - text.left) - 20);
        EXPECT_EQ(line.top, 314);
        if (std::string(branding).find("@$&%") != std::string::npos) {
            EXPECT_EQ(driver::WindowText(label), "A much longer branding line for C:\\Program Files");
        }
        // A new branding text, placed again.
        t.wizard->branding.SetText("Short");
        t.wizard->PlaceSeparator();
        text = driver::ControlRect(label);
        EXPECT_EQ(driver::ControlRect(t.Control(ids::Separator)).left, text.right);
    }
}
