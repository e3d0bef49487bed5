// The end-to-end driver against real windows of the GUI layer: finding controls at any depth,
// seeing what a user sees (visible, enabled, where), refusing what a user could not do, and
// answering message boxes. Also the application window that owns the forms.

#include "WidgetTestSupport.h"
#include "driver/Driver.h"
#include "widgets/ApplicationWindow.h"
#include "widgets/Button.h"
#include "widgets/Edit.h"
#include "widgets/GroupBox.h"
#include "widgets/Panel.h"
#include "widgets/Timer.h"

using namespace tarnwick;
using namespace widget_test;

namespace {

enum ControlId { PanelId = 400, GroupId, EditId, ButtonId, OtherPanelId, HiddenButtonId };

template <typename Args>
Args At(Window& parent, int id, Bounds bounds, const std::string& text = "") {
    Args args;
    args.parent = &parent;
    args.id = id;
    args.bounds = bounds;
    args.text = text;
    return args;
}

}  // namespace

TEST(WidgetDriver, FindsControlsAtAnyDepthAndSeesWhatTheUserSees) {
    Form form;
    CreateShownForm(form, 400, 200);
    Panel panel, otherPanel;
    ASSERT_TRUE(panel.Create(At<PanelArgs>(form, PanelId, {0, 60, 400, 140})));
    GroupBox group;
    ASSERT_TRUE(group.Create(At<GroupBoxArgs>(panel, GroupId, {22, 10, 300, 59}, "Folder")));
    Edit edit;
    ASSERT_TRUE(edit.Create(At<EditArgs>(group, EditId, {16, 22, 200, 22}, "C:\\Demo")));
    Button browse;
    ASSERT_TRUE(browse.Create(At<ButtonArgs>(group, ButtonId, {220, 21, 75, 23}, "Browse...")));
    auto hiddenArgs = At<PanelArgs>(form, OtherPanelId, {0, 0, 400, 60});
    hiddenArgs.visible = false;
    ASSERT_TRUE(otherPanel.Create(hiddenArgs));
    Button onHiddenPanel;
    ASSERT_TRUE(onHiddenPanel.Create(At<ButtonArgs>(otherPanel, HiddenButtonId, {10, 10, 75, 23}, "Hidden")));

    EXPECT_EQ(driver::FindControl(form.Handle(), EditId), edit.Handle());
    EXPECT_EQ(driver::WaitForControl(form.Handle(), ButtonId, 100), browse.Handle());
    EXPECT_EQ(driver::FindControl(form.Handle(), 999), nullptr);
    EXPECT_EQ(driver::WindowText(driver::FindControl(form.Handle(), EditId)), "C:\\Demo");

    RECT rect = driver::ControlRect(edit.Handle());
    EXPECT_EQ(rect.left, 16);
    EXPECT_EQ(rect.top, 22);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 22);

    edit.Focus();
    EXPECT_EQ(driver::FocusedControl(form.Handle()), edit.Handle());

    // A control whose own flag says visible is not visible on a hidden panel, and cannot be used.
    EXPECT_TRUE(onHiddenPanel.Visible());
    EXPECT_FALSE(driver::IsVisible(onHiddenPanel.Handle()));
    int hiddenClicks = 0;
    onHiddenPanel.onClick = [&] { ++hiddenClicks; };
    EXPECT_FALSE(driver::ClickButton(form.Handle(), HiddenButtonId));
    otherPanel.Show();
    EXPECT_TRUE(driver::IsVisible(onHiddenPanel.Handle()));
    EXPECT_TRUE(driver::ClickButton(form.Handle(), HiddenButtonId));
    EXPECT_TRUE(PumpUntil([&] { return hiddenClicks == 1; }));

    browse.SetEnabled(false);
    EXPECT_FALSE(driver::IsEnabled(browse.Handle()));
    EXPECT_FALSE(driver::ClickButton(form.Handle(), ButtonId));
    browse.SetEnabled(true);
    // A disabled window (under a modal box) takes no clicks on its enabled controls either.
    form.SetEnabled(false);
    EXPECT_FALSE(driver::ClickButton(form.Handle(), ButtonId));
    EXPECT_FALSE(driver::TypeText(edit.Handle(), "x"));
    form.SetEnabled(true);
    EXPECT_TRUE(driver::ClickButton(form.Handle(), ButtonId));
    PumpFor(30);
}

TEST(WidgetDriver, ReadsAndAnswersMessageBoxes) {
    Form form;
    CreateShownForm(form, 300, 100, "Owner");
    MultimediaTimer timer;
    timer.Configure(30, 10);
    driver::MessageBoxText shown;
    bool answered = false;
    timer.onTick = [&] {
        // Runs inside the message box's own modal loop.
        HWND box = driver::WaitForMessageBox(GetCurrentProcessId(), 0);
        if (!box || answered) return;
        shown = driver::ReadMessageBox(box);
        answered = driver::AnswerMessageBox(box, IDNO);
    };
    ASSERT_TRUE(timer.SetEnabled(true));
    int result = MessageBoxA(form.Handle(), "Are you sure you want to quit Setup?", "Demo Setup",
                             MB_YESNO | MB_ICONWARNING);
    timer.SetEnabled(false);
    EXPECT_TRUE(answered);
    EXPECT_EQ(result, IDNO);
    EXPECT_EQ(shown.caption, "Demo Setup");
    EXPECT_EQ(shown.text, "Are you sure you want to quit Setup?");
}

TEST(WidgetDriver, ApplicationWindowCarriesTheTitleAndFollowsTheMainForm) {
    ApplicationWindow application;
    ASSERT_TRUE(application.Create("*"));
    EXPECT_FALSE(application.Visible()) << "created hidden";
    application.SetText("Demo Setup");
    EXPECT_EQ(driver::WindowText(application.Handle()), "Demo Setup");
    application.Show();
    EXPECT_EQ(application.Width(), 0) << "no content of its own";

    Form wizard;
    FormArgs args;
    args.owner = application.Handle();
    args.caption = "Demo Setup";
    args.clientWidth = 495;
    args.clientHeight = 359;
    ASSERT_TRUE(wizard.Create(args));
    wizard.CentreOnScreen();
    wizard.Show();
    application.SetMainForm(&wizard);
    PumpFor(50);
    EXPECT_EQ(GetWindow(wizard.Handle(), GW_OWNER), application.Handle());
    Bounds bounds = wizard.GetBounds();
    EXPECT_EQ(bounds.x, (GetSystemMetrics(SM_CXSCREEN) - bounds.width) / 2);
    EXPECT_EQ(wizard.ClientWidth(), 495);
    EXPECT_EQ(wizard.ClientHeight(), 359);

    int minimized = 0, restored = 0, closeRequests = 0;
    wizard.onMinimize = [&] { ++minimized; };
    wizard.onRestore = [&] { ++restored; };
    wizard.onClose = [&](bool& allow) {
        ++closeRequests;
        allow = false;
    };

    SendMessageA(wizard.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(IsIconic(application.Handle())) << "the whole application goes to its taskbar button";
    EXPECT_FALSE(IsIconic(wizard.Handle()));
    EXPECT_FALSE(IsWindowVisible(wizard.Handle())) << "owned forms hide with it";

    SendMessageA(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(IsIconic(application.Handle()));
    EXPECT_TRUE(IsWindowVisible(wizard.Handle())) << "and come back with it";

    // Closing from the taskbar is the main form's close request; the application window stays.
    PostMessageA(application.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return closeRequests == 1; }));
    EXPECT_TRUE(IsWindow(application.Handle()));
}

// The driver as the end-to-end tests use it: on the windows of another process, where control
// messages that carry pointers need memory in that process. The other process is this test
// program showing its gallery (WidgetGalleryTest.cpp).
TEST(WidgetDriver, WorksTheWindowsOfAnotherProcess) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    // The gallery stays up until its Cancel button is clicked (or a minute has passed).
    SetEnvironmentVariableA("TARNWICK_GALLERY_SECONDS", "60");
    driver::Program program;
    bool started = program.Start(self, "--gtest_filter=WidgetGallery.*");
    SetEnvironmentVariableA("TARNWICK_GALLERY_SECONDS", nullptr);
    ASSERT_TRUE(started);
    HWND window = driver::WaitForWindow(program.Id(), gallery::windowClass, 30000);
    ASSERT_TRUE(window);
    // The gallery is up once its last control exists and the window is shown.
    ASSERT_TRUE(driver::WaitForControl(window, gallery::BackdropPictureId, 10000));
    Sleep(300);

    HWND list = driver::FindControl(window, gallery::ListId);
    EXPECT_EQ(driver::ListViewRows(list),
              (std::vector<std::string>{"Accessories", "Games", "Startup", "Tarnwick Tools"}));
    EXPECT_EQ(driver::ListViewSelection(list), 1);
    ASSERT_TRUE(driver::ClickListViewRow(list, 3));
    DWORD start = GetTickCount();
    while (driver::ListViewSelection(list) != 3 && GetTickCount() - start < 3000) Sleep(20);
    EXPECT_EQ(driver::ListViewSelection(list), 3);

    HWND combo = driver::FindControl(window, gallery::ComboId);
    EXPECT_EQ(driver::ComboItems(combo), (std::vector<std::string>{"English", "Deutsch", "Francais"}));
    EXPECT_EQ(driver::ComboSelection(combo), 0);
    ASSERT_TRUE(driver::ChooseComboItem(combo, 1));
    EXPECT_EQ(driver::WindowText(combo), "Deutsch");

    HWND password = driver::FindControl(window, gallery::PasswordId);
    ASSERT_TRUE(driver::TypeText(password, "typed"));
    EXPECT_EQ(driver::WindowText(password), "typed");

    HWND desktop = driver::FindControl(window, gallery::CheckAId);
    EXPECT_TRUE(driver::IsChecked(desktop));
    ASSERT_TRUE(driver::ClickButton(window, gallery::CheckAId));
    start = GetTickCount();
    while (driver::IsChecked(desktop) && GetTickCount() - start < 3000) Sleep(20);
    EXPECT_FALSE(driver::IsChecked(desktop));

    EXPECT_GT(driver::TextLength(driver::FindControl(window, gallery::RichId)), 40);
    EXPECT_EQ(driver::ProgressPosition(driver::FindControl(window, gallery::ProgressId)), 60);
    EXPECT_FALSE(driver::IsEnabled(driver::FindControl(window, gallery::BackId)));
    EXPECT_FALSE(driver::ClickButton(window, gallery::BackId));
    RECT next = driver::ControlRect(driver::FindControl(window, gallery::NextId));
    EXPECT_EQ(next.left, 589);
    EXPECT_EQ(next.top, 327);

    // Esc reaches the focused control through the program's own loop: the cancel button ends
    // the gallery, whose own checks then decide its exit code.
    ASSERT_TRUE(driver::PressKey(window, VK_ESCAPE));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(30000, &code));
    EXPECT_EQ(code, 0u);
}
