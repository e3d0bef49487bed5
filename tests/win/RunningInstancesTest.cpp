// Finding running instances by window title and asking them to close, against the real windows
// of a helper process and of the test itself.

#include <gtest/gtest.h>

#include <windows.h>

#include "MachineTestSupport.h"
#include "uninstall/win32/PrerequisiteChecks.h"

using namespace tarnwick;
using namespace testsupport;

namespace {

const char HelperName[] = "title_windows.exe";

HWND WaitForTitle(const char* title, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        Sleep(50);
    }
    return nullptr;
}

bool WaitForGone(HWND window, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (!IsWindow(window)) return true;
        Sleep(50);
    }
    return false;
}

// The WM_CLOSE messages a helper window has had so far.
LRESULT CloseMessages(HWND window) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutA(window, WM_APP, 0, 0, SMTO_BLOCK, 5000, &count)) return -1;
    return static_cast<LRESULT>(count);
}

// Posted messages reach a window after messages sent to it, so wait for the count to come in.
LRESULT WaitForCloseMessages(HWND window, LRESULT expected) {
    LRESULT count = CloseMessages(window);
    for (int i = 0; i < 100 && count < expected; ++i) {
        Sleep(50);
        count = CloseMessages(window);
    }
    return count;
}

// A window of the test process itself, standing for the program's own windows.
class OwnWindow {
public:
    explicit OwnWindow(const char* title) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TarnwickTestOwnWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        closeMessages = 0;
    }
    ~OwnWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

    // Delivers what was posted to the test's windows.
    static void Pump() {
        MSG message;
        for (int i = 0; i < 10; ++i) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(20);
        }
    }
    static int closeMessages;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            ++closeMessages;
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_;
};
int OwnWindow::closeMessages = 0;

SetupModel InstanceSettings(const char* title, bool byPart) {
    SetupModel model;
    model.SetSetting(104, title);
    model.SetSetting(105, byPart ? "1" : "0");
    model.SetSetting(97, "Qzv Nothing Like This");
    model.SetSetting(108, "1");
    return model;
}

// The position of a window among all top-level windows, in the order EnumWindows lists them.
int EnumerationIndex(HWND wanted) {
    struct Search { HWND wanted; int index; int at; } search{wanted, -1, 0};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            if (window == s.wanted) s.index = s.at;
            ++s.at;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.index;
}

HWND LaterInEnumeration(HWND first, HWND second) {
    return EnumerationIndex(first) > EnumerationIndex(second) ? first : second;
}

}  // namespace

TEST(RunningInstances, FindsWindowsByPartOfTheirTitle) {
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(TestProgramFolder() + HelperName,
                             "\"stay:Qzv Demo Alpha\" \"stay:QZV DEMO Tarnwick Setup\" \"stay:Another qzv window\""));
    HWND alpha = WaitForTitle("Qzv Demo Alpha");
    HWND ours = WaitForTitle("QZV DEMO Tarnwick Setup");
    HWND another = WaitForTitle("Another qzv window");
    ASSERT_TRUE(alpha && ours && another);

    EXPECT_EQ(FindWindowByTitlePart("Qzv Demo Alpha"), alpha);
    EXPECT_EQ(FindWindowByTitlePart("demo al"), alpha);
    EXPECT_EQ(FindWindowByTitlePart("qzv demo"), alpha);  // the Tarnwick window is never taken
    EXPECT_EQ(FindWindowByTitlePart("tarnwick"), nullptr);
    EXPECT_EQ(FindWindowByTitlePart("Qzv Nothing Like This"), nullptr);
    EXPECT_EQ(FindWindowByTitlePart(""), nullptr);

    // Two windows match: the one that comes later in the enumeration is taken, whichever it is.
    HWND later = LaterInEnumeration(alpha, another);
    EXPECT_EQ(FindWindowByTitlePart("QZV"), later);
    SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND now = LaterInEnumeration(alpha, another);
    ASSERT_NE(now, later) << "the window order did not change as asked";
    EXPECT_EQ(FindWindowByTitlePart("QZV"), now);
}

TEST(RunningInstances, AStubbornWindowEndsTheSearch) {
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(TestProgramFolder() + HelperName, "\"stay:Qzv Stubborn One\" \"stay:Qzv Stubborn Two\""));
    HWND one = WaitForTitle("Qzv Stubborn One");
    HWND two = WaitForTitle("Qzv Stubborn Two");
    ASSERT_TRUE(one && two);

    RunState state;
    CloseRunningInstances(nullptr, nullptr, InstanceSettings("qzv stubborn", true), state);
    // The window found has its WM_CLOSE from each of the two searches that found it; the search
    // then ends, and the other window is never asked.
    HWND found = LaterInEnumeration(one, two);
    HWND other = found == one ? two : one;
    EXPECT_EQ(WaitForCloseMessages(found, 2), 2);
    EXPECT_EQ(CloseMessages(other), 0);
    EXPECT_TRUE(IsWindow(one) && IsWindow(two));
}

TEST(RunningInstances, WindowsThatCloseAreClosedOneAfterAnother) {
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(TestProgramFolder() + HelperName, "\"close:Qzv Closing Demo\""));
    HWND window = WaitForTitle("Qzv Closing Demo");
    ASSERT_TRUE(window);

    RunState state;
    CloseRunningInstances(nullptr, nullptr, InstanceSettings("Closing demo", true), state);
    EXPECT_TRUE(WaitForGone(window));
    EXPECT_EQ(helper.Wait(10000), 0);  // its last window closed, so the helper ended on its own
}

TEST(RunningInstances, OwnWindowsAreNeverAsked) {
    OwnWindow application("Qzv Own Setup Window");
    OwnWindow main("Qzv Own Main Window");
    RunState state;
    CloseRunningInstances(application.Handle(), main.Handle(), InstanceSettings("qzv own main", true), state);
    CloseRunningInstances(application.Handle(), main.Handle(), InstanceSettings("Qzv Own Setup Window", false), state);
    OwnWindow::Pump();
    EXPECT_EQ(OwnWindow::closeMessages, 0);

    // The same windows, when they are not the program's own, do get the message.
    CloseRunningInstances(nullptr, main.Handle(), InstanceSettings("Qzv Own Setup Window", false), state);
    OwnWindow::Pump();
    EXPECT_EQ(OwnWindow::closeMessages, 2);
}

TEST(RunningInstances, ExactTitlesAndTheUninstallersSettings) {
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(TestProgramFolder() + HelperName,
                             "\"stay:Qzv Exact Tarnwick\" \"stay:Qzv Uninstall Target\" \"stay:Qzv Exact Part\""));
    HWND exact = WaitForTitle("Qzv Exact Tarnwick");
    HWND target = WaitForTitle("Qzv Uninstall Target");
    HWND part = WaitForTitle("Qzv Exact Part");
    ASSERT_TRUE(exact && target && part);

    RunState installer;
    CloseRunningInstances(nullptr, nullptr, InstanceSettings("Qzv Exact", false), installer);  // only part of a title
    CloseRunningInstances(nullptr, nullptr, InstanceSettings("", false), installer);           // no title at all
    CloseRunningInstances(nullptr, nullptr, InstanceSettings("Qzv Exact Tarnwick", false), installer);
    EXPECT_EQ(WaitForCloseMessages(exact, 2), 2);  // exact titles have no Tarnwick exclusion

    // The uninstaller takes its title from setting 97 and its matching rule from setting 108.
    SetupModel uninstallerSettings = InstanceSettings("Qzv Exact Part", false);
    uninstallerSettings.SetSetting(97, "uninstall targ");
    RunState uninstaller;
    uninstaller.IsInstaller = false;
    CloseRunningInstances(nullptr, nullptr, uninstallerSettings, uninstaller);
    EXPECT_EQ(WaitForCloseMessages(target, 2), 2);
    uninstallerSettings.SetSetting(108, "0");
    CloseRunningInstances(nullptr, nullptr, uninstallerSettings, uninstaller);  // exact now: nothing matches
    EXPECT_EQ(CloseMessages(part), 0);
    EXPECT_EQ(CloseMessages(target), 2);
}
