// The wizard's pictures on the screen: the header gradient running into the header colour, the
// header and side pictures with their transparency rules, the page icons with black left out.
// Pixels are read back from the (virtual) screen while the window is shown.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "WidgetTestSupport.h"
#include "WizardTestSupport.h"
#include "driver/Driver.h"
#include "ui/WizardControlIds.h"

using namespace tarnwick;
using namespace wizard_test;
namespace ids = tarnwick::wizard_ids;

namespace {

constexpr COLORREF SkyBlue = RGB(122, 160, 255);      // setting 60 of the default setup
constexpr COLORREF HeaderColor = RGB(255, 250, 205);  // setting 70 of the full setup
constexpr COLORREF White = RGB(255, 255, 255);

// The gradient's colour at column x of 170, as the header computes it.
COLORREF GradientAt(int x, COLORREF from, COLORREF to) {
    auto step = [x](int a, int b) { return a + (b - a) * x / 170; };
    return RGB(step(GetRValue(from), GetRValue(to)), step(GetGValue(from), GetGValue(to)),
               step(GetBValue(from), GetBValue(to)));
}

std::string Hex(COLORREF c) {
    char text[16];
    snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

struct Pixel {
    int x, y;  // in the window's client area
    COLORREF expected;
    const char* what;
};

void ExpectPixels(const TestWizard& t, const std::vector<Pixel>& pixels) {
    for (const Pixel& p : pixels) {
        COLORREF seen = ScreenPixel(t.Window(), p.x, p.y);
        EXPECT_TRUE(Near(seen, p.expected)) << p.what << " at (" << p.x << ", " << p.y << "): seen " << Hex(seen)
                                            << ", expected " << Hex(p.expected);
    }
}

}  // namespace

TEST(WizardPainting, HeaderGradientRunsIntoTheHeaderColourAndThePictureIsKeyedByItsCorner) {
    struct Case {
        const char* name;
        std::function<void(GeneralSettingArray&)> change;
        bool withPictures;
        std::vector<Pixel> pixels;
    } cases[] = {
        {"gradient, transparent picture",
         [](GeneralSettingArray&) {},
         true,
         {{0, 50, SkyBlue, "gradient start"},
          {160, 50, GradientAt(160, SkyBlue, HeaderColor), "gradient near its end"},
          {171, 55, HeaderColor, "header colour right after the gradient"},
          {300, 55, HeaderColor, "header colour"},
          {10, 58, GetSysColor(COLOR_APPWORKSPACE), "lower edge, upper row"},
          {10, 59, White, "lower edge, bottom row"},
          {421, 7, HeaderColor, "picture's corner colour left out"},
          {420 + 30, 6 + 20, HeaderInk, "picture content"}}},
        {"opaque picture",
         [](GeneralSettingArray& s) { s[71] = "0"; },
         true,
         {{421, 7, Magenta, "picture's corner colour drawn"}, {420 + 30, 6 + 20, HeaderInk, "picture content"}}},
        {"picture on the gradient",
         [](GeneralSettingArray& s) {
             s[81] = "2";
             s[80] = "2";
         },
         true,
         {{3, 3, GradientAt(3, SkyBlue, HeaderColor), "gradient under the left-out corner colour"},
          {2 + 30, 2 + 20, HeaderInk, "picture content"}}},
        {"no gradient and picture (setting 49 off)",
         [](GeneralSettingArray& s) { s[49] = "0"; },
         true,
         {{0, 50, HeaderColor, "header colour instead of the gradient"},
          {420 + 30, 6 + 20, HeaderColor, "no picture"}}},
        {"no header picture in the package",
         [](GeneralSettingArray&) {},
         false,
         {{0, 50, SkyBlue, "gradient still painted"}, {420 + 30, 6 + 20, HeaderColor, "no picture"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupScriptSpec spec = FullSetupScript();
        c.change(spec.Settings);
        TestWizard::Options options;
        options.withPictures = c.withPictures;
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        t.ShowOn(LicensePageId);
        ExpectPixels(t, c.pixels);
    }
}

TEST(WizardPainting, SidePictureIsPlacedByTheSettingsCutAtTheLeftAndKeyedByItsCorner) {
    // The full setup places the 164 x 314 side picture at (-20, 0): picture x = window x + 20.
    struct Case {
        const char* name;
        std::function<void(GeneralSettingArray&)> change;
        std::vector<Pixel> pixels;
    } cases[] = {
        {"transparent",
         [](GeneralSettingArray&) {},
         {{0, 20, White, "corner colour left out"},
          {5, 100, White, "corner colour left out left of the content"},
          {20, 100, SideInk, "content, shifted left by 20"},
          {113, 100, SideInk, "content's right end"},
          {115, 100, White, "right of the content"},
          {150, 300, White, "right of the cut picture: the area's white"}}},
        {"opaque",
         [](GeneralSettingArray& s) { s[77] = "0"; },
         {{0, 20, SideKey, "corner colour drawn"}, {20, 100, SideInk, "content"}}},
        {"no side picture (setting 63 off)",
         [](GeneralSettingArray& s) { s[63] = "0"; },
         {{0, 20, White, "panel"}, {20, 100, White, "panel"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupScriptSpec spec = FullSetupScript();
        c.change(spec.Settings);
        TestWizard t(spec);
        ASSERT_TRUE(t.created);
        t.ShowOn(WelcomePageId);
        ExpectPixels(t, c.pixels);
    }
}

TEST(WizardPainting, PageIconsLeaveBlackOut) {
    TestWizard t(FullSetupScript());
    ASSERT_TRUE(t.created);
    struct Case {
        int page;
        COLORREF ink;
    } cases[] = {{DestinationPageId, IconInks[0]}, {ShortcutsPageId, IconInks[1]}, {PasswordPageId, IconInks[2]}};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const Case& c : cases) {
        SCOPED_TRACE("page " + std::to_string(c.page));
        t.ShowOn(c.page);
        // The icon box sits at (32, 32) of the page panel, which starts at y 60.
        ExpectPixels(t, {{32 + 2, 92 + 2, face, "black corner left out"},
                         {32 + 45, 92 + 45, face, "black edge left out"},
                         {32 + 20, 92 + 20, c.ink, "icon content"}});
    }
}

// Not a check of its own: every page on the virtual screen, saved for people to look at (the
// path is printed). The texts are those the page flow gives each page.
TEST(WizardPainting, EveryPageOnScreen) {
    std::string folder = driver::MakeScratchFolder("wizard-pages");
    auto save = [&folder](const std::string& name) {
        EXPECT_TRUE(driver::SaveScreenshot(folder + name + ".bmp"));
    };
    {
        TestWizard t(FullSetupScript());
        ASSERT_TRUE(t.created);
        WizardWindow& w = *t.wizard;
        const SetupModel& m = t.model;
        struct Page {
            int id;
            int title, subtitle;
            const char* name;
        } pages[] = {
            {WelcomePageId, 0, 0, "0-welcome"},        {LicensePageId, 9, 10, "1-license"},
            {PasswordPageId, 53, 54, "2-password"},    {InformationPageId, 34, 82, "3-information"},
            {DestinationPageId, 11, 12, "4-destination"}, {StartMenuPageId, 14, 13, "5-start-menu"},
            {ShortcutsPageId, 14, 15, "6-shortcuts"},  {ReadyPageId, 16, 62, "7-ready"},
            {ProgressPageId, 61, 17, "8-progress"},
        };
        w.startMenu.groupList.AddRow("Accessories");
        w.startMenu.groupList.AddRow("Games");
        w.ready.summary.SetText(m.Message(43) + "    C:\\Program Files\\Demo Application\r\n\r\n" + m.Message(44) +
                                "    Demo Application");
        w.SetProgressMaximum(10);
        w.SetProgressPosition(6);
        w.SetStatus(m.Message(35) + "readme.txt");
        for (const Page& page : pages) {
            w.SetPageTitles(page.title ? m.Message(page.title) : "", page.subtitle ? m.Message(page.subtitle) : "");
            w.next.SetText(m.Message(page.id == ReadyPageId ? 26 : (page.id == LicensePageId ? 22 : 23)));
            t.ShowOn(page.id);
            save(page.name);
        }
        // The finish page with every choice.
        w.welcome.bigTitle.SetText(m.Message(6));
        w.welcome.bodyText.SetText(m.Message(7));
        w.welcome.bodyText.SetHeight(65);
        w.welcome.launchOption.Show();
        w.welcome.readmeOption.Show();
        w.welcome.webSiteOption.Show();
        w.next.SetText(m.Message(41));
        t.ShowOn(FinishPageId);
        save("9-finish");
    }
    {
        SetupScriptSpec spec = FullSetupScript();
        spec.Settings[68] = "1";
        TestWizard::Options options;
        options.installer = false;
        TestWizard t(spec, options);
        ASSERT_TRUE(t.created);
        t.wizard->SetPageTitles(t.model.Message(68), t.model.Message(69));
        t.wizard->next.SetText(t.model.Message(64));
        t.ShowOn(-1);
        save("u-uninstall");
    }
    std::printf("wizard pages saved in %s\n", folder.c_str());
}
