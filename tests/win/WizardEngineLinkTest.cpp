// What the wizard gives the rest of the program: the interface the install and uninstall engines
// write to and read from, InstallFolder following the folder edit, the message pump, and the
// license and information texts loaded from the package's rich text streams.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <atomic>
#include <thread>
#include <vector>

#include "WidgetTestSupport.h"
#include "WizardTestSupport.h"
#include "base/MessagePump.h"
#include "driver/Driver.h"
#include "ui/WizardControlIds.h"

using namespace tarnwick;
using namespace wizard_test;
namespace ids = tarnwick::wizard_ids;

namespace {

// The character format at position `at` of a rich edit.
CHARFORMAT2A FormatAt(HWND richEdit, int at) {
    SendMessageA(richEdit, EM_SETSEL, at, at + 1);
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(richEdit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

int Find(const std::string& text, const std::string& word) { return static_cast<int>(text.find(word)); }

}  // namespace

TEST(WizardRichTexts, LicenseAndInformationShowTheirRtfWithItsFormatting) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    HWND license = t.Control(ids::LicenseText);
    std::string shown = driver::WindowText(license);
    EXPECT_EQ(shown.rfind("LICENSE AGREEMENT\r\n", 0), 0u) << shown;
    EXPECT_EQ(shown.find("\\rtf"), std::string::npos) << "loaded as rich text, not as plain text";
    EXPECT_TRUE(FormatAt(license, 0).dwEffects & CFE_BOLD);
    EXPECT_TRUE(FormatAt(license, Find(shown, "carefully")).dwEffects & CFE_ITALIC);
    EXPECT_FALSE(FormatAt(license, Find(shown, "Please")).dwEffects & (CFE_BOLD | CFE_ITALIC));
    CHARFORMAT2A red = FormatAt(license, Find(shown, "By installing"));
    EXPECT_EQ(red.crTextColor, RGB(180, 0, 0));
    EXPECT_STREQ(FormatAt(license, Find(shown, "Warranty")).szFaceName, "Times New Roman");

    HWND information = t.Control(ids::InformationText);
    shown = driver::WindowText(information);
    EXPECT_EQ(shown.rfind("Important: this version", 0), 0u) << shown;
    EXPECT_TRUE(FormatAt(information, 0).dwEffects & CFE_ITALIC);
    EXPECT_TRUE(FormatAt(information, Find(shown, "release notes")).dwEffects & CFE_UNDERLINE);

    // Read-only, no Tab stop, wrapping lines (no horizontal scroll bar; the vertical one comes and
    // goes with the length of the text), the window colour.
    LONG_PTR style = GetWindowLongPtrA(license, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & WS_TABSTOP);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(license, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW))),
              GetSysColor(COLOR_WINDOW));
}

TEST(WizardRichTexts, TextsOfPagesTheSetupDoesNotShowAreNotLoaded) {
    SetupScriptSpec spec = FullSetupScript();
    spec.Settings[30] = "0";
    spec.Settings[84] = "0";
    TestWizard t(spec);
    ASSERT_TRUE(t.created);
    EXPECT_EQ(driver::TextLength(t.Control(ids::LicenseText)), 0);
    EXPECT_EQ(driver::TextLength(t.Control(ids::InformationText)), 0);
}

TEST(WizardEngineLink, InstallFolderFollowsTheFolderEditWithATrailingBackslash) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    EXPECT_EQ(t.state.InstallFolder, "C:\\Program Files\\Demo Application\\") << "set from setting 58 at creation";
    int changes = 0;
    t.wizard->onFolderChange = [&] { ++changes; };
    struct Case {
        const char* text;
        const char* folder;
    } cases[] = {{"D:\\Apps", "D:\\Apps\\"}, {"E:\\", "E:\\"}, {"", "\\"}, {"C:", "C:\\"}};
    for (const Case& c : cases) {
        t.wizard->destination.folderEdit.SetText(c.text);
        EXPECT_EQ(t.state.InstallFolder, c.folder) << c.text;
    }
    EXPECT_EQ(changes, 4);

    // Typed by the user, character by character: InstallFolder follows every one.
    t.ShowOn(DestinationPageId);
    ASSERT_TRUE(driver::TypeText(t.Control(ids::FolderEdit), "F:\\My"));
    EXPECT_EQ(t.state.InstallFolder, "F:\\My\\");
    EXPECT_EQ(t.wizard->CurrentPage(), NoPageId) << "no sequence yet";
    t.state.PageSequence = {0, 4, 8, 10};
    t.state.PagePosition = 1;
    EXPECT_EQ(t.wizard->CurrentPage(), DestinationPageId);
}

TEST(WizardEngineLink, StatusLineAndInstallProgress) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    WizardInterface& engine = *t.wizard;
    engine.SetStatus("Extracting: Tom & Jerry.txt");
    EXPECT_EQ(engine.Status(), "Extracting: Tom & Jerry.txt");
    EXPECT_EQ(driver::WindowText(t.Control(ids::StatusLine)), "Extracting: Tom & Jerry.txt");

    engine.SetProgressMaximum(5);
    EXPECT_EQ(engine.ProgressMaximum(), 5);
    for (int step = 1; step <= 7; ++step) {
        engine.AdvanceProgress();
        EXPECT_EQ(engine.ProgressPosition(), std::min(step, 5)) << "the bar stops at its maximum";
    }
    EXPECT_EQ(driver::ProgressPosition(t.Control(ids::InstallProgress)), 5);
    engine.SetProgressMaximum(1000);
    engine.SetProgressPosition(1000);
    EXPECT_EQ(engine.ProgressPosition(), 1000);
}

TEST(WizardEngineLink, AdvanceProgressKeepsTheWindowAliveAndSlowsShortInstallations) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    t.ShowOn(ProgressPageId);
    WizardInterface& engine = *t.wizard;

    // Waiting messages are handled and invalid areas painted within one step.
    int posted = 0;
    t.wizard->form.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_APP + 7) ++posted;
        return false;
    };
    engine.SetProgressMaximum(1000);
    PostMessageA(t.Window(), WM_APP + 7, 0, 0);
    InvalidateRect(t.Window(), nullptr, TRUE);
    engine.AdvanceProgress();
    EXPECT_EQ(posted, 1);
    EXPECT_FALSE(GetUpdateRect(t.Window(), nullptr, FALSE)) << "painted";

    // The engines' own pump between steps is the wizard's.
    PostMessageA(t.Window(), WM_APP + 7, 0, 0);
    PumpPendingMessages();
    EXPECT_EQ(posted, 2);

    // Below 32 steps every step pauses 4 ms; from 32 on it does not.
    std::vector<unsigned> pauses;
    t.wizard->pause = [&](unsigned milliseconds) { pauses.push_back(milliseconds); };
    auto pausesOfSteps = [&](int maximum, int steps) {
        pauses.clear();
        engine.SetProgressMaximum(maximum);
        engine.SetProgressPosition(0);
        for (int i = 0; i < steps; ++i) engine.AdvanceProgress();
        return pauses;
    };
    EXPECT_EQ(pausesOfSteps(31, 25), std::vector<unsigned>(25, 4));
    EXPECT_TRUE(pausesOfSteps(32, 25).empty());
    EXPECT_EQ(engine.ProgressPosition(), 25);
}

TEST(WizardEngineLink, ChoicesAreTheTicksOfTheirOptions) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    WizardWindow& w = *t.wizard;
    WizardInterface& engine = w;
    // As the window starts: settings 44, 46 and 38 are on in the default setup.
    EXPECT_EQ(engine.StartMenuGroup(), "Demo Application");
    EXPECT_FALSE(engine.NoStartMenuGroup());
    EXPECT_TRUE(engine.DesktopShortcutChosen());
    EXPECT_TRUE(engine.StartMenuShortcutChosen());
    EXPECT_TRUE(engine.QuickLaunchShortcutChosen());
    EXPECT_TRUE(engine.LaunchChosen());
    EXPECT_TRUE(engine.ReadmeChosen());
    EXPECT_TRUE(engine.WebSiteChosen());
    EXPECT_TRUE(engine.RestartNowChosen());
    EXPECT_TRUE(engine.UninstallWebPageChosen());

    // Changed by the user.
    t.ShowOn(StartMenuPageId);
    ASSERT_TRUE(driver::TypeText(t.Control(ids::GroupEdit), "Tools\\Demo"));
    ASSERT_TRUE(driver::ClickButton(t.Window(), ids::NoGroupOption));
    t.ShowOn(ShortcutsPageId);
    ASSERT_TRUE(driver::ClickButton(t.Window(), ids::DesktopOption));
    widget_test::PumpFor(50);
    EXPECT_EQ(engine.StartMenuGroup(), "Tools\\Demo");
    EXPECT_TRUE(engine.NoStartMenuGroup());
    EXPECT_FALSE(engine.DesktopShortcutChosen());
    EXPECT_TRUE(engine.StartMenuShortcutChosen());

    t.ShowOn(FinishPageId);
    w.welcome.launchOption.Show();
    w.welcome.restartNow.Show();
    w.welcome.restartLater.Show();
    widget_test::PumpFor(50);
    ASSERT_TRUE(driver::ClickButton(t.Window(), ids::LaunchOption));
    ASSERT_TRUE(driver::ClickButton(t.Window(), ids::RestartLater));
    widget_test::PumpFor(50);
    EXPECT_FALSE(engine.LaunchChosen());
    EXPECT_FALSE(engine.RestartNowChosen());
    EXPECT_TRUE(driver::IsChecked(t.Control(ids::RestartLater)));
}

TEST(WizardEngineLink, UninstallPageRemovalLinesProgressAndCompletion) {
    SetupScriptSpec spec = FullSetupScript();
    spec.Settings[68] = "1";
    TestWizard::Options options;
    options.installer = false;
    TestWizard t(spec, options);
    ASSERT_TRUE(t.created);
    WizardWindow& w = *t.wizard;
    WizardInterface& engine = w;
    t.ShowOn(-1);
    // The removal running, as the page flow sets it up.
    w.uninstallPage.text.Hide();
    w.uninstallPage.removalList.Show();
    w.uninstallPage.progressBar.Show();
    w.next.SetEnabled(false);

    engine.SetUninstallProgressMaximum(40);
    for (int i = 0; i < 40; ++i) {
        engine.AddRemovalLine("Deleted file: C:\\App\\file" + std::to_string(i) + ".txt");
        engine.StepUninstallProgress();
    }
    HWND list = t.Control(ids::RemovalList);
    std::vector<std::string> rows = driver::ListViewRows(list);
    ASSERT_EQ(rows.size(), 40u);
    EXPECT_EQ(rows.front(), "Deleted file: C:\\App\\file0.txt");
    EXPECT_EQ(rows.back(), "Deleted file: C:\\App\\file39.txt");
    EXPECT_GT(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 20) << "scrolled down with the lines";
    EXPECT_EQ(engine.UninstallProgressPosition(), 40);
    EXPECT_EQ(driver::ProgressPosition(t.Control(ids::UninstallProgress)), 40);
    engine.SetUninstallProgressMaximum(60);
    engine.SetUninstallProgressPosition(engine.UninstallProgressMaximum());
    EXPECT_EQ(engine.UninstallProgressPosition(), 60);
    EXPECT_EQ(engine.ProgressPosition(), 0) << "the installing page's bar is another";

    engine.ShowUninstallCompleted();
    const SetupModel& m = t.model;
    EXPECT_TRUE(driver::IsEnabled(t.Control(ids::Next)));
    EXPECT_EQ(driver::WindowText(t.Control(ids::Next)), m.Message(41));
    EXPECT_FALSE(driver::IsEnabled(t.Control(ids::Cancel)));
    EXPECT_FALSE(driver::IsVisible(list));
    EXPECT_FALSE(driver::IsVisible(t.Control(ids::UninstallProgress)));
    EXPECT_TRUE(driver::IsVisible(t.Control(ids::UninstallText)));
    EXPECT_EQ(driver::WindowText(t.Control(ids::UninstallText)), m.Message(76));
    EXPECT_EQ(driver::WindowText(t.Control(ids::PageTitle)), m.Message(71));
    EXPECT_EQ(driver::WindowText(t.Control(ids::PageSubtitle)), m.Message(72));
}

TEST(WizardEngineLink, MessageBoxesAreOwnedByTheWizardAndAnswered) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    t.ShowOn(ProgressPageId);
    std::atomic<HWND> owner{nullptr};
    std::thread user([&] {
        HWND box = driver::WaitForMessageBox(GetCurrentProcessId(), 10000);
        if (!box) return;
        owner = GetWindow(box, GW_OWNER);
        driver::MessageBoxText shown = driver::ReadMessageBox(box);
        if (shown.caption == "Disk" && shown.text == "Please insert disk 2") driver::AnswerMessageBox(box, IDCANCEL);
    });
    int answer = t.wizard->ShowMessageBox("Please insert disk 2", "Disk",
                                          message_box::OkCancel | message_box::IconWarning);
    user.join();
    EXPECT_EQ(answer, message_box::AnswerCancel);
    EXPECT_EQ(owner.load(), t.Window());
}
