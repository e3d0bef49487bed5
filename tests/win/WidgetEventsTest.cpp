// Events of the GUI layer through real windows: notifications reflected to the control's own
// handler whatever its parent, Enter, Esc and Tab through the message loop, close requests,
// modal runs and timer ticks.

#include <memory>

#include "WidgetTestSupport.h"
#include "driver/Driver.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"
#include "widgets/RadioButton.h"
#include "widgets/RichEdit.h"
#include "widgets/Timer.h"

using namespace tarnwick;
using namespace widget_test;

namespace {

enum ControlId {
    PanelId = 100,
    GroupId,
    OkId,
    CancelId,
    OtherId,
    InPanelId,
    InGroupId,
    EditId,
    MultiEditId,
    CheckId,
    RadioAId,
    RadioBId,
    ComboId,
    RichId,
    LabelId,
};

ButtonArgs ButtonAt(Window* parent, int id, Bounds bounds, const char* text) {
    ButtonArgs args;
    args.parent = parent;
    args.id = id;
    args.bounds = bounds;
    args.text = text;
    return args;
}

EditArgs EditAt(Window* parent, int id, Bounds bounds, unsigned options = 0) {
    EditArgs args;
    args.parent = parent;
    args.id = id;
    args.bounds = bounds;
    args.options = options;
    return args;
}

}  // namespace

TEST(WidgetEvents, ClickReachesTheButtonsOwnHandlerWhateverItsParent) {
    Form form;
    CreateShownForm(form, 400, 220);
    Panel panel;
    PanelArgs panelArgs;
    panelArgs.parent = &form;
    panelArgs.id = PanelId;
    panelArgs.bounds = {150, 0, 250, 220};
    ASSERT_TRUE(panel.Create(panelArgs));
    GroupBox group;
    GroupBoxArgs groupArgs;
    groupArgs.parent = &panel;
    groupArgs.id = GroupId;
    groupArgs.bounds = {10, 80, 220, 100};
    groupArgs.text = "Group";
    ASSERT_TRUE(group.Create(groupArgs));

    Button onForm, inPanel, inGroup;
    ASSERT_TRUE(onForm.Create(ButtonAt(&form, OkId, {10, 10, 75, 23}, "Form")));
    ASSERT_TRUE(inPanel.Create(ButtonAt(&panel, InPanelId, {10, 10, 75, 23}, "Panel")));
    ASSERT_TRUE(inGroup.Create(ButtonAt(&group, InGroupId, {16, 22, 75, 23}, "Group")));

    struct Case {
        const char* name;
        Button* button;
        int id;
    } cases[] = {
        {"on the form", &onForm, OkId},
        {"in a panel", &inPanel, InPanelId},
        {"in a group box (a system control as parent)", &inGroup, InGroupId},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int clicks = 0;
        c.button->onClick = [&] { ++clicks; };
        ASSERT_TRUE(driver::ClickButton(form.Handle(), c.id));
        EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
        PumpFor(30);
        EXPECT_EQ(clicks, 1);

        // A disabled button cannot be clicked, neither by the user nor by code.
        c.button->SetEnabled(false);
        EXPECT_FALSE(driver::ClickButton(form.Handle(), c.id));
        c.button->Click();
        PumpFor(30);
        EXPECT_EQ(clicks, 1);
        c.button->SetEnabled(true);
        c.button->Click();
        EXPECT_EQ(clicks, 2);
    }
}

TEST(WidgetEvents, EnterAndEscAnswerTheDefaultAndCancelButtons) {
    Form form;
    CreateShownForm(form, 400, 200);
    Button ok, cancel, other;
    Edit edit, multiline;
    ASSERT_TRUE(ok.Create(ButtonAt(&form, OkId, {10, 160, 75, 23}, "OK")));
    ASSERT_TRUE(cancel.Create(ButtonAt(&form, CancelId, {90, 160, 75, 23}, "Cancel")));
    ASSERT_TRUE(other.Create(ButtonAt(&form, OtherId, {170, 160, 75, 23}, "Other")));
    ASSERT_TRUE(edit.Create(EditAt(&form, EditId, {10, 10, 200, 22})));
    ASSERT_TRUE(multiline.Create(EditAt(&form, MultiEditId, {10, 40, 200, 60}, EditMultiline | EditWantReturn)));
    form.SetDefaultButton(&ok);
    form.SetCancelButton(&cancel);
    EXPECT_TRUE(GetWindowLongPtrA(ok.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);

    int okClicks = 0, cancelClicks = 0, otherClicks = 0;
    ok.onClick = [&] { ++okClicks; };
    cancel.onClick = [&] { ++cancelClicks; };
    other.onClick = [&] { ++otherClicks; };

    struct Case {
        const char* name;
        Window* focus;
        UINT key;
        bool okEnabled;
        bool cancelEnabled;
        int ok, cancel, other;
    } cases[] = {
        {"Enter in an edit clicks the default button", &edit, VK_RETURN, true, true, 1, 0, 0},
        {"Esc in an edit clicks the cancel button", &edit, VK_ESCAPE, true, true, 0, 1, 0},
        {"Esc on the focused default button still cancels", &ok, VK_ESCAPE, true, true, 0, 1, 0},
        {"Enter on another focused button clicks that one", &other, VK_RETURN, true, true, 0, 0, 1},
        {"a disabled default button swallows Enter", &edit, VK_RETURN, false, true, 0, 0, 0},
        {"a disabled cancel button swallows Esc", &edit, VK_ESCAPE, true, false, 0, 0, 0},
        {"a multi-line edit keeps Enter for itself", &multiline, VK_RETURN, true, true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        okClicks = cancelClicks = otherClicks = 0;
        ok.SetEnabled(c.okEnabled);
        cancel.SetEnabled(c.cancelEnabled);
        c.focus->Focus();
        ASSERT_TRUE(driver::PressKey(form.Handle(), c.key));
        PumpFor(80);
        EXPECT_EQ(okClicks, c.ok);
        EXPECT_EQ(cancelClicks, c.cancel);
        EXPECT_EQ(otherClicks, c.other);
    }
    EXPECT_NE(multiline.Text().find("\r\n"), std::string::npos) << "the multi-line edit got the line break";
}

TEST(WidgetEvents, TabMovesThroughTabStopsInsidePanelsAndGroups) {
    Form form;
    CreateShownForm(form, 400, 260);
    Edit first;
    ASSERT_TRUE(first.Create(EditAt(&form, EditId, {10, 10, 150, 22})));
    Panel panel;
    PanelArgs panelArgs;
    panelArgs.parent = &form;
    panelArgs.id = PanelId;
    panelArgs.bounds = {0, 40, 400, 140};
    ASSERT_TRUE(panel.Create(panelArgs));
    Label label;
    LabelArgs labelArgs;
    labelArgs.parent = &panel;
    labelArgs.id = LabelId;
    labelArgs.bounds = {10, 0, 100, 14};
    labelArgs.text = "Not a stop";
    ASSERT_TRUE(label.Create(labelArgs));
    CheckBox check;
    CheckBoxArgs checkArgs;
    checkArgs.parent = &panel;
    checkArgs.id = CheckId;
    checkArgs.bounds = {10, 16, 150, 17};
    checkArgs.text = "Option";
    ASSERT_TRUE(check.Create(checkArgs));
    GroupBox group;
    GroupBoxArgs groupArgs;
    groupArgs.parent = &panel;
    groupArgs.id = GroupId;
    groupArgs.bounds = {10, 40, 300, 59};
    groupArgs.text = "Password";
    ASSERT_TRUE(group.Create(groupArgs));
    Edit inGroup;
    ASSERT_TRUE(inGroup.Create(EditAt(&group, InGroupId, {16, 22, 200, 22}, EditPassword)));
    RichEdit rich;
    RichEditArgs richArgs;
    richArgs.parent = &form;
    richArgs.id = RichId;
    richArgs.bounds = {10, 185, 200, 40};
    ASSERT_TRUE(rich.Create(richArgs));
    Button button;
    ASSERT_TRUE(button.Create(ButtonAt(&form, OkId, {250, 200, 75, 23}, "OK")));

    // The label, the group box and the rich edit (a reading box) are no stops.
    first.SetText("abc");
    first.Focus();
    SendMessageA(first.Handle(), EM_SETSEL, 1, 1);
    HWND expected[] = {check.Handle(), inGroup.Handle(), button.Handle(), first.Handle()};
    for (HWND next : expected) {
        ASSERT_TRUE(driver::PressKey(form.Handle(), VK_TAB));
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == next; }, 1000))
            << "focus on id " << GetDlgCtrlID(GetFocus()) << ", expected id " << GetDlgCtrlID(next);
    }
    DWORD start = 0, end = 0;
    SendMessageA(first.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u) << "an edit reached with Tab has its text selected";
}

TEST(WidgetEvents, AnEditThatWantsTabKeepsTheFocus) {
    Form form;
    CreateShownForm(form, 300, 140);
    Edit single, multiline, other;
    ASSERT_TRUE(single.Create(EditAt(&form, EditId, {10, 10, 200, 22}, EditWantTab)));
    ASSERT_TRUE(multiline.Create(EditAt(&form, MultiEditId, {10, 40, 200, 50}, EditWantTab | EditMultiline)));
    ASSERT_TRUE(other.Create(EditAt(&form, OtherId, {10, 100, 200, 22})));
    for (Edit* edit : {&single, &multiline}) {
        edit->Focus();
        ASSERT_TRUE(driver::PressKey(form.Handle(), VK_TAB));
        PumpFor(80);
        EXPECT_EQ(GetFocus(), edit->Handle());
    }
    EXPECT_EQ(multiline.Text(), "\t") << "a multi-line edit types the Tab";
}

TEST(WidgetEvents, CheckBoxesAndRadioButtonsTickAndReportClicks) {
    Form form;
    CreateShownForm(form, 300, 120);
    CheckBox check;
    CheckBoxArgs checkArgs;
    checkArgs.parent = &form;
    checkArgs.id = CheckId;
    checkArgs.bounds = {10, 10, 150, 17};
    checkArgs.text = "Launch";
    ASSERT_TRUE(check.Create(checkArgs));
    RadioButton now, later;
    RadioButtonArgs radioArgs;
    radioArgs.parent = &form;
    radioArgs.id = RadioAId;
    radioArgs.bounds = {10, 40, 150, 17};
    radioArgs.text = "Restart now";
    radioArgs.groupStart = true;
    radioArgs.checked = true;
    ASSERT_TRUE(now.Create(radioArgs));
    radioArgs.id = RadioBId;
    radioArgs.bounds.y = 64;
    radioArgs.text = "Restart later";
    radioArgs.groupStart = false;
    radioArgs.checked = false;
    ASSERT_TRUE(later.Create(radioArgs));

    int checkClicks = 0, laterClicks = 0;
    check.onClick = [&] { ++checkClicks; };
    later.onClick = [&] { ++laterClicks; };

    EXPECT_FALSE(check.Checked());
    ASSERT_TRUE(driver::ClickButton(form.Handle(), CheckId));
    EXPECT_TRUE(PumpUntil([&] { return checkClicks == 1; }));
    EXPECT_TRUE(check.Checked());
    EXPECT_TRUE(driver::IsChecked(check.Handle()));
    ASSERT_TRUE(driver::ClickButton(form.Handle(), CheckId));
    EXPECT_TRUE(PumpUntil([&] { return checkClicks == 2; }));
    EXPECT_FALSE(check.Checked());

    check.SetChecked(true);
    PumpFor(30);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(checkClicks, 2) << "setting the tick by code is no click";

    EXPECT_TRUE(now.Checked());
    ASSERT_TRUE(driver::ClickButton(form.Handle(), RadioBId));
    EXPECT_TRUE(PumpUntil([&] { return laterClicks == 1; }));
    EXPECT_TRUE(later.Checked());
    EXPECT_FALSE(now.Checked()) << "one choice of a group at a time";
}

TEST(WidgetEvents, ComboBoxReportsTheUsersChoiceOnly) {
    Form form;
    CreateShownForm(form, 300, 100);
    ComboBox combo;
    ComboBoxArgs args;
    args.parent = &form;
    args.id = ComboId;
    args.bounds = {10, 10, 210, 21};
    ASSERT_TRUE(combo.Create(args));
    for (const char* name : {"English", "Deutsch", "Nederlands"}) combo.AddItem(name);
    int changes = 0;
    combo.onChange = [&] { ++changes; };

    combo.Select(0);
    PumpFor(30);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo.Text(), "English");
    EXPECT_LE(combo.Height(), 30) << "the closed height, not the dropped-down one";

    ASSERT_TRUE(driver::ChooseComboItem(combo.Handle(), 2));
    EXPECT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(combo.SelectedIndex(), 2);
    EXPECT_EQ(combo.Text(), "Nederlands");
    EXPECT_EQ(combo.ItemText(1), "Deutsch");
    EXPECT_EQ(driver::ComboItems(combo.Handle()), (std::vector<std::string>{"English", "Deutsch", "Nederlands"}));
    EXPECT_EQ(driver::ComboSelection(combo.Handle()), 2);
    EXPECT_EQ(driver::WindowText(combo.Handle()), "Nederlands");
}

TEST(WidgetEvents, EditReportsEveryChangeOfItsText) {
    Form form;
    CreateShownForm(form, 300, 100);
    Edit edit;
    ASSERT_TRUE(edit.Create(EditAt(&form, EditId, {10, 10, 250, 22})));
    std::vector<std::string> seen;
    edit.onChange = [&] { seen.push_back(edit.Text()); };

    edit.SetText("C:\\Program Files\\Demo");
    ASSERT_EQ(seen.size(), 1u) << "a text set by code is a change too";
    EXPECT_EQ(seen.back(), "C:\\Program Files\\Demo");

    seen.clear();
    ASSERT_TRUE(driver::TypeText(edit.Handle(), "D:\\"));
    EXPECT_EQ(seen, (std::vector<std::string>{"", "D", "D:", "D:\\"}));
    ASSERT_TRUE(driver::TypeText(edit.Handle(), "X", false));
    EXPECT_EQ(edit.Text(), "D:\\X");

    edit.SetEnabled(false);
    EXPECT_FALSE(driver::TypeText(edit.Handle(), "no"));
    EXPECT_EQ(edit.Text(), "D:\\X");
}

TEST(WidgetEvents, CloseRequestsCanBeRefusedAndTheMainFormEndsTheLoop) {
    Form form;
    CreateShownForm(form, 200, 100);
    form.SetMainForm(true);
    int asked = 0;
    form.onClose = [&](bool& allow) {
        ++asked;
        allow = asked >= 2;
    };
    form.RequestClose();
    PumpFor(50);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.Visible()) << "refused: nothing happens";

    form.RequestClose();
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(asked, 2);
}

TEST(WidgetEvents, ProcessPendingMessagesLeavesAQuitForTheLoop) {
    PostQuitMessage(7);
    ProcessPendingMessages();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

TEST(WidgetEvents, ModalFormsDisableTheOthersAndReturnTheirResult) {
    Form owner;
    CreateShownForm(owner, 300, 200, "Owner");
    Form dialog;
    FormArgs args;
    args.owner = owner.Handle();
    args.caption = "Dialog";
    args.clientWidth = 287;
    args.clientHeight = 127;
    args.frame = FormFrame::Dialog;
    ASSERT_TRUE(dialog.Create(args));
    dialog.CentreOnScreen();
    Label prompt;
    LabelArgs promptArgs;
    promptArgs.parent = &dialog;
    promptArgs.id = LabelId;
    promptArgs.bounds = {67, 16, 200, 14};
    promptArgs.text = "Please select a language.";
    ASSERT_TRUE(prompt.Create(promptArgs));
    ComboBox list;
    ComboBoxArgs listArgs;
    listArgs.parent = &dialog;
    listArgs.id = ComboId;
    listArgs.bounds = {67, 62, 210, 21};
    ASSERT_TRUE(list.Create(listArgs));
    Button ok, cancel;
    ASSERT_TRUE(ok.Create(ButtonAt(&dialog, OkId, {112, 95, 75, 23}, "OK")));
    ASSERT_TRUE(cancel.Create(ButtonAt(&dialog, CancelId, {202, 95, 75, 23}, "Cancel")));
    dialog.SetDefaultButton(&ok);
    dialog.SetCancelButton(&cancel);
    bool ownerDisabled = false;
    HWND firstFocus = nullptr;
    ok.onClick = [&] {
        ownerDisabled = !IsWindowEnabled(owner.Handle());
        dialog.EndModal(7);
    };
    cancel.onClick = [&] { dialog.RequestClose(); };

    // What the user does while the modal form is up, from a timer tick of the modal loop.
    MultimediaTimer timer;
    timer.Configure(20, 10);
    std::function<void()> userAction;
    timer.onTick = [&] {
        if (!dialog.Visible()) return;
        timer.SetEnabled(false);
        if (!firstFocus) firstFocus = GetFocus();
        userAction();
    };
    struct Case {
        const char* name;
        std::function<void()> action;
        int result;
    } cases[] = {
        {"OK ends with its result", [&] { driver::ClickButton(dialog.Handle(), OkId); }, 7},
        {"Enter is OK", [&] { driver::PressKey(dialog.Handle(), VK_RETURN); }, 7},
        {"Esc closes", [&] { driver::PressKey(dialog.Handle(), VK_ESCAPE); }, 0},
        {"the caption bar's close closes", [&] { PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ownerDisabled = false;
        userAction = c.action;
        ASSERT_TRUE(timer.SetEnabled(true));
        EXPECT_EQ(dialog.ShowModal(), c.result);
        EXPECT_FALSE(dialog.Visible());
        EXPECT_TRUE(IsWindowEnabled(owner.Handle())) << "enabled again after the modal run";
        if (c.result == 7) {
            EXPECT_TRUE(ownerDisabled) << "disabled during the modal run";
        }
    }
    EXPECT_EQ(firstFocus, list.Handle()) << "the first Tab stop has the focus when the form comes up";
}

TEST(WidgetEvents, TimerTicksRunOnTheGuiThreadOnlyWhileEnabled) {
    MultimediaTimer timer;
    int ticks = 0;
    DWORD tickThread = 0;
    timer.onTick = [&] {
        ++ticks;
        tickThread = GetCurrentThreadId();
    };
    timer.Configure(1, 255);
    PumpFor(60);
    EXPECT_EQ(ticks, 0) << "created stopped";

    ASSERT_TRUE(timer.SetEnabled(true));
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(tickThread, GetCurrentThreadId());

    timer.SetEnabled(false);
    PumpFor(30);
    int stoppedAt = ticks;
    PumpFor(100);
    EXPECT_EQ(ticks, stoppedAt);
}
