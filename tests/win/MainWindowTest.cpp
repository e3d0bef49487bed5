// The main window in this process: its picture backgrounds, where its texts go, and when the
// wizard's events hide and show it.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "WidgetTestSupport.h"
#include "base/Stream.h"
#include "package/win32/TempFolder.h"
#include "ui/win32/MainWindow.h"

using namespace tarnwick;
using widget_test::PumpFor;
using widget_test::PumpUntil;

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Yellow = RGB(255, 255, 0);

// A 2 x 2 picture, 24 bits per pixel: red, green on the top row; blue, yellow below.
std::vector<uint8_t> QuarterPicture() {
    std::vector<uint8_t> bmp(54 + 2 * 8, 0);
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);  // bottom-up rows
    bmp[26] = 1;
    bmp[28] = 24;
    auto pixel = [&](int x, int y, COLORREF c) {  // y counted from the bottom row
        size_t at = 54 + static_cast<size_t>(y) * 8 + static_cast<size_t>(x) * 3;
        bmp[at] = GetBValue(c);
        bmp[at + 1] = GetGValue(c);
        bmp[at + 2] = GetRValue(c);
    };
    pixel(0, 1, Red);
    pixel(1, 1, Green);
    pixel(0, 0, Blue);
    pixel(1, 0, Yellow);
    return bmp;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(application_.Create("*"));
        model_.SetSetting(1, "1");
        model_.SetSetting(3, "1");
        model_.SetSetting(4, "8388608");
        model_.SetSetting(5, "0");
        model_.SetSetting(10, "-32");
        model_.SetSetting(11, "Arial");
        model_.SetSetting(18, "-16");
        model_.SetSetting(19, "Arial");
        ASSERT_TRUE(main_.Create(application_, model_, state_));
    }
    void TearDown() override { CleanupTempFolder(); }

    ApplicationWindow application_;
    SetupModel model_;
    RunState state_;
    MainWindow main_;
};

}  // namespace

TEST_F(MainWindowTest, CreatedHiddenWithoutAWayToCloseIt) {
    EXPECT_FALSE(main_.Visible());
    EXPECT_EQ(GetWindowTextLengthA(main_.Handle()), 1);
    RECT client;
    GetClientRect(main_.Handle(), &client);
    EXPECT_EQ(client.right, 227);
    EXPECT_EQ(client.bottom, 111);
    EXPECT_FALSE(GetWindowLongPtrA(main_.Handle(), GWL_STYLE) & WS_CAPTION);
    HMENU menu = GetSystemMenu(main_.Handle(), FALSE);
    ASSERT_TRUE(menu);
    EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetWindow(main_.Handle(), GW_OWNER), application_.Handle());
}

TEST_F(MainWindowTest, PictureIsStretchedOrTiledAndAMissingOneStillShows) {
    CreateTempFolder();
    ASSERT_TRUE(WriteWholeFile(TempFileName(6), QuarterPicture()));
    model_.SetSetting(3, "0");
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);

    model_.SetSetting(7, "0");  // the picture itself repeats from the top-left corner
    main_.ConfigureBackground();
    PumpFor(300);
    const COLORREF tile[2][2] = {{Red, Green}, {Blue, Yellow}};
    for (int y : {300, 301, height - 2, height - 1}) {
        for (int x : {600, 601, width - 2, width - 1}) EXPECT_EQ(ScreenPixel(x, y), tile[y % 2][x % 2]) << x << "," << y;
    }

    // Stretched over the whole window: each corner takes its picture pixel's colour. The halftone
    // stretch blends towards the middle, so neighbouring pixels near a corner are both close to
    // it (tiles would alternate there).
    model_.SetSetting(7, "1");
    main_.ConfigureBackground();
    PumpFor(300);
    auto isClose = [](COLORREF actual, COLORREF expected) {
        return std::abs(GetRValue(actual) - GetRValue(expected)) < 40 &&
               std::abs(GetGValue(actual) - GetGValue(expected)) < 40 &&
               std::abs(GetBValue(actual) - GetBValue(expected)) < 40;
    };
    const struct {
        int x, y;
        COLORREF colour;
    } corners[] = {{0, 0, Red}, {width - 2, 0, Green}, {0, height - 2, Blue}, {width - 2, height - 2, Yellow}};
    for (const auto& corner : corners) {
        for (int dy : {0, 1}) {
            for (int dx : {0, 1}) {
                COLORREF actual = ScreenPixel(corner.x + dx, corner.y + dy);
                EXPECT_TRUE(isClose(actual, corner.colour)) << corner.x + dx << "," << corner.y + dy << ": " << actual;
            }
        }
    }

    DeleteFileA(TempFileName(6).c_str());
    main_.ConfigureBackground();
    PumpFor(100);
    EXPECT_TRUE(main_.Visible());
}

TEST_F(MainWindowTest, SecondTextSitsInTheCornerEvenWhenWiderThanTheScreen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (const std::string& text : {std::string("short"), std::string(400, 'W')}) {
        model_.SetSetting(9, text);
        main_.ConfigureBackground();
        const Bounds second = main_.SecondText().GetBounds();
        EXPECT_EQ(second.x + second.width, width - 8);
        EXPECT_EQ(second.y + second.height, height - 8);
        if (text.size() > 100) {
            EXPECT_LT(second.x, 0);
        }
    }
    EXPECT_EQ(main_.FirstText().Left(), 16);
    EXPECT_EQ(main_.FirstText().Top(), 16);
}

TEST_F(MainWindowTest, ClicksAndShowingBringTheWizardToTheFront) {
    main_.ConfigureBackground();
    PumpFor(100);
    // Before the wizard exists a click does nothing.
    SendMessageA(main_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 500));
    Form wizard;
    widget_test::CreateShownForm(wizard, 300, 200, "Wizard");
    main_.SetWizardWindow(wizard.Handle());
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SetForegroundWindow(main_.Handle());
        PumpFor(50);
        ASSERT_EQ(GetForegroundWindow(), main_.Handle());
        SendMessageA(main_.Handle(), message, 0, MAKELPARAM(500, 500));
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == wizard.Handle(); })) << message;
    }
    // A click on a text reaches the window too: static texts let the mouse through.
    SetForegroundWindow(main_.Handle());
    PumpFor(50);
    const Bounds first = main_.FirstText().GetBounds();
    POINT onText{first.x + 2, first.y + 2};
    ClientToScreen(main_.Handle(), &onText);
    EXPECT_EQ(WindowFromPoint(onText), main_.Handle()) << "the label is transparent to hit tests";

    // Minimize hides it; restore shows it maximized and brings the wizard back.
    main_.OnWizardMinimize();
    EXPECT_FALSE(main_.Visible());
    SetForegroundWindow(main_.Handle());
    main_.OnWizardRestore();
    EXPECT_TRUE(main_.Visible());
    EXPECT_TRUE(IsZoomed(main_.Handle()));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == wizard.Handle(); }));
    main_.SetWizardWindow(nullptr);
}

TEST_F(MainWindowTest, RestoreAndActivationShowItOnlyInASetupWithItsBackground) {
    struct Case {
        const char* what;
        bool installer;
        const char* showBackground;
        bool silent;
        bool shown;
    } cases[] = {
        {"setup with background", true, "1", false, true},
        {"uninstaller", false, "1", false, false},
        {"background switched off", true, "0", false, false},
        {"silent setup", true, "1", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state_.IsInstaller = c.installer;
        state_.SilentRun = c.silent;
        model_.SetSetting(1, c.showBackground);
        main_.Hide();
        main_.OnWizardRestore();
        EXPECT_EQ(main_.Visible(), c.shown);
        main_.Hide();
        main_.OnApplicationActivate(false);
        EXPECT_FALSE(main_.Visible());
        main_.OnApplicationActivate(true);
        EXPECT_EQ(main_.Visible(), c.shown);
    }
    // ConfigureBackground hides it when the run is silent, even with setting 1 on.
    state_.IsInstaller = true;
    state_.SilentRun = true;
    model_.SetSetting(1, "1");
    main_.ConfigureBackground();
    EXPECT_FALSE(main_.Visible());
}
