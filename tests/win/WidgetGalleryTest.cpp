// A gallery of the GUI layer: one window with every kind of control laid out as the wizard lays
// them out, on white and default panels, on a header with a gradient picture area, and on a
// gradient backdrop with transparent labels. The test checks on screen that transparent labels
// show what lies beneath them (no boxes of another colour), also after their text changed.
//
// To look at it: set TARNWICK_GALLERY_SHOT to a Windows path (for example Z:\tmp\gallery.bmp),
// run this test, and convert the BMP with ImageMagick (convert gallery.bmp gallery.png). With
// TARNWICK_GALLERY_SECONDS the window also stays up that long, for a look with `import`.

#include <cstdlib>
#include <string>

#include "WidgetTestSupport.h"
#include "driver/Driver.h"
#include "widgets/Bitmap.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/Color.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/GroupBox.h"
#include "widgets/ImageBox.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
#include "widgets/Panel.h"
#include "widgets/ProgressBar.h"
#include "widgets/RadioButton.h"
#include "widgets/RichEdit.h"

using namespace tarnwick;
using namespace widget_test;
using namespace widget_test::gallery;

namespace {

COLORREF Mix(COLORREF a, COLORREF b, int i, int n) {
    auto part = [&](int x, int y) { return x + (y - x) * i / n; };
    return RGB(part(GetRValue(a), GetRValue(b)), part(GetGValue(a), GetGValue(b)),
               part(GetBValue(a), GetBValue(b)));
}

// A gradient of 1-pixel lines; vertical: the colour changes from top to bottom.
void PaintLines(HDC dc, int width, int height, bool vertical, COLORREF from, COLORREF to) {
    int n = vertical ? height : width;
    for (int i = 0; i < n; ++i) {
        RECT line = vertical ? RECT{0, i, width, i + 1} : RECT{i, 0, i + 1, height};
        FillRect(dc, &line, BrushForColor(Mix(from, to, i, n)));
    }
}

// A small picture as BMP bytes: a magenta corner colour around a blue disc-like block.
std::vector<uint8_t> PictureBmp(int size) {
    std::vector<uint8_t> file = {'B', 'M'};
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](uint32_t v) {
        file.push_back(static_cast<uint8_t>(v));
        file.push_back(static_cast<uint8_t>(v >> 8));
    };
    const uint32_t stride = ((static_cast<uint32_t>(size) * 3 + 3) / 4) * 4;
    put32(54 + stride * size);
    put32(0);
    put32(54);
    put32(40);
    put32(size);
    put32(size);
    put16(1);
    put16(24);
    put32(0);
    put32(stride * size);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int y = 0; y < size; ++y) {
        size_t start = file.size();
        for (int x = 0; x < size; ++x) {
            int dx = 2 * x - size, dy = 2 * y - size;
            bool inside = dx * dx + dy * dy < size * size * 3 / 4;
            bool ring = dx * dx + dy * dy < size * size / 4;
            if (!inside) {
                file.insert(file.end(), {255, 0, 255});  // the transparent corner colour
            } else if (ring) {
                file.insert(file.end(), {0, 200, 255});  // orange
            } else {
                file.insert(file.end(), {160, 60, 20});  // blue
            }
        }
        while ((file.size() - start) % 4) file.push_back(0);
    }
    return file;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

// The whole gallery window. Members are declared in creation order (which is also the order of
// the Tab stops and, for overlapping siblings, the top-most first).
struct Gallery {
    Form form;
    Panel header;
    Label title, subtitle;
    ImageBox headerPicture;
    Panel edgeDark, edgeLight;
    Panel page;
    Label prompt;
    GroupBox group;
    Edit password;
    CheckBox desktop, quickLaunch;
    RadioButton now, later;
    ComboBox languages;
    Panel side;
    CheckBox launch;
    ListView groups;
    RichEdit license;
    ProgressBar progress;
    Label branding;
    Panel separator;
    Button back, next, cancel;
    Panel backdrop;
    Label bigText, smallText;
    ImageBox backdropPicture;
    Bitmap picture;

    template <typename Args>
    static Args At(Window& parent, int id, Bounds bounds, const std::string& text = "") {
        Args args;
        args.parent = &parent;
        args.id = id;
        args.bounds = bounds;
        args.text = text;
        return args;
    }

    void Create() {
        picture = Bitmap::FromBmpBytes(PictureBmp(44));
        ASSERT_FALSE(picture.Empty());

        FormArgs formArgs;
        formArgs.className = windowClass;
        formArgs.caption = "Tarnwick widget gallery";
        formArgs.x = 10;
        formArgs.y = 10;
        formArgs.clientWidth = 760;
        formArgs.clientHeight = 500;
        ASSERT_TRUE(form.Create(formArgs));

        // The header: white, a transparent picture area painting a gradient and a picture, and
        // transparent title and subtitle above it.
        auto headerArgs = At<PanelArgs>(form, HeaderId, {0, 0, 760, 60});
        headerArgs.background = RGB(255, 255, 255);
        ASSERT_TRUE(header.Create(headerArgs));
        auto titleArgs = At<LabelArgs>(header, TitleId, {120, 8, 302, 14}, "Bold title on the header picture");
        titleArgs.transparent = true;
        FontSpec bold;
        bold.weight = FW_BOLD;
        titleArgs.font = bold;
        ASSERT_TRUE(title.Create(titleArgs));
        auto subtitleArgs = At<LabelArgs>(header, SubtitleId, {128, 26, 297, 26},
                                          "A word-wrapped subtitle that runs over the gradient and on into the "
                                          "white of the header.");
        subtitleArgs.transparent = true;
        subtitleArgs.wordWrap = true;
        ASSERT_TRUE(subtitle.Create(subtitleArgs));
        auto pictureArgs = At<ImageBoxArgs>(header, HeaderPictureId, {0, 0, 760, 58});
        pictureArgs.transparent = true;
        ASSERT_TRUE(headerPicture.Create(pictureArgs));
        headerPicture.onPaint = [this](HDC dc) {
            PaintLines(dc, 170, 58, false, RGB(40, 80, 160), RGB(255, 255, 255));
            picture.DrawTransparentByCorner(dc, 700, 7);
        };
        auto darkArgs = At<PanelArgs>(header, EdgeDarkId, {0, 58, 760, 1});
        darkArgs.background = GetSysColor(COLOR_APPWORKSPACE);
        ASSERT_TRUE(edgeDark.Create(darkArgs));
        auto lightArgs = At<PanelArgs>(header, EdgeLightId, {0, 59, 760, 1});
        lightArgs.background = RGB(255, 255, 255);
        ASSERT_TRUE(edgeLight.Create(lightArgs));

        // A page on the default background.
        auto pageArgs = At<PanelArgs>(form, PageId, {0, 60, 495, 245});
        pageArgs.doubleBuffered = true;
        ASSERT_TRUE(page.Create(pageArgs));
        auto promptArgs = At<LabelArgs>(page, PromptId, {22, 12, 452, 41},
                                        "A word-wrapped prompt on the page. Type the password and choose the "
                                        "options below; the default button answers Enter.");
        promptArgs.wordWrap = true;
        ASSERT_TRUE(prompt.Create(promptArgs));
        ASSERT_TRUE(group.Create(At<GroupBoxArgs>(page, GroupId, {22, 56, 452, 59}, "Password")));
        auto passwordArgs = At<EditArgs>(group, PasswordId, {16, 22, 420, 22}, "secret");
        passwordArgs.options = EditPassword;
        passwordArgs.background = RGB(255, 255, 255);
        ASSERT_TRUE(password.Create(passwordArgs));
        auto checkArgs = At<CheckBoxArgs>(page, CheckAId, {22, 124, 0, 0}, "Create a desktop icon");
        checkArgs.autoSize = true;
        checkArgs.checked = true;
        ASSERT_TRUE(desktop.Create(checkArgs));
        checkArgs = At<CheckBoxArgs>(page, CheckBId, {22, 148, 0, 0}, "Create a Quick Launch icon");
        checkArgs.autoSize = true;
        ASSERT_TRUE(quickLaunch.Create(checkArgs));
        auto radioArgs = At<RadioButtonArgs>(page, RadioAId, {250, 124, 0, 0}, "Restart now");
        radioArgs.autoSize = true;
        radioArgs.groupStart = true;
        radioArgs.checked = true;
        ASSERT_TRUE(now.Create(radioArgs));
        radioArgs = At<RadioButtonArgs>(page, RadioBId, {250, 148, 0, 0}, "I will restart later");
        radioArgs.autoSize = true;
        ASSERT_TRUE(later.Create(radioArgs));
        ASSERT_TRUE(languages.Create(At<ComboBoxArgs>(page, ComboId, {22, 180, 210, 21})));
        for (const char* name : {"English", "Deutsch", "Francais"}) languages.AddItem(name);
        languages.Select(0);

        // A white side panel (as the welcome and finish pages are) with a check box that takes the
        // panel's white, the list, the rich text and the progress bar.
        auto sideArgs = At<PanelArgs>(form, SidePanelId, {495, 60, 265, 245});
        sideArgs.background = RGB(255, 255, 255);
        ASSERT_TRUE(side.Create(sideArgs));
        auto launchArgs = At<CheckBoxArgs>(side, LaunchId, {10, 220, 0, 0}, "Launch the program");
        launchArgs.autoSize = true;
        launchArgs.checked = true;
        ASSERT_TRUE(launch.Create(launchArgs));
        auto listArgs = At<ListViewArgs>(side, ListId, {10, 10, 245, 90});
        listArgs.columnWidth = 220;
        listArgs.background = GetSysColor(COLOR_WINDOW);
        ASSERT_TRUE(groups.Create(listArgs));
        for (const char* row : {"Accessories", "Games", "Startup", "Tarnwick Tools"}) groups.AddRow(row);
        groups.Select(1);
        auto richArgs = At<RichEditArgs>(side, RichId, {10, 106, 245, 80});
        richArgs.background = GetSysColor(COLOR_WINDOW);
        ASSERT_TRUE(license.Create(richArgs));
        license.LoadRtf(std::string(
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}{\\colortbl;\\red200\\green0\\blue0;}"
            "\\f0\\fs16 LICENSE: \\b bold\\b0 , \\i italic\\i0 , \\cf1 red\\cf0  and plain text that wraps at the "
            "width of the box.\\par Second paragraph.\\par}"));
        auto progressArgs = At<ProgressBarArgs>(side, ProgressId, {10, 194, 245, 18});
        ASSERT_TRUE(progress.Create(progressArgs));
        progress.SetRange(0, 100);
        progress.SetPosition(60);

        // The button bar: a greyed branding line, an etched separator, Back, Next, Cancel.
        auto brandingArgs = At<LabelArgs>(form, BrandingId, {12, 307, 0, 0}, "Tarnwick Install System");
        brandingArgs.autoSize = true;
        brandingArgs.transparent = true;
        brandingArgs.enabled = false;
        ASSERT_TRUE(branding.Create(brandingArgs));
        int separatorLeft = branding.Left() + branding.Width();
        auto separatorArgs = At<PanelArgs>(form, SeparatorId, {separatorLeft, 314, 760 - separatorLeft - 20, 2});
        separatorArgs.edge = PanelEdge::Sunken;
        ASSERT_TRUE(separator.Create(separatorArgs));
        auto backArgs = At<ButtonArgs>(form, BackId, {514, 327, 75, 23}, "< &Back");
        backArgs.enabled = false;
        ASSERT_TRUE(back.Create(backArgs));
        ASSERT_TRUE(next.Create(At<ButtonArgs>(form, NextId, {589, 327, 75, 23}, "&Next >")));
        ASSERT_TRUE(cancel.Create(At<ButtonArgs>(form, CancelId, {675, 327, 75, 23}, "Cancel")));
        form.SetDefaultButton(&next);
        form.SetCancelButton(&cancel);

        // A backdrop like the full-screen background: a gradient with transparent labels.
        auto backdropArgs = At<PanelArgs>(form, BackdropId, {0, 360, 760, 140});
        ASSERT_TRUE(backdrop.Create(backdropArgs));
        backdrop.onPaint = [this](HDC dc) {
            PaintLines(dc, backdrop.ClientWidth(), backdrop.ClientHeight(), true, RGB(0, 0, 128),
                       RGB(0, 160, 200));
        };
        auto bigArgs = At<LabelArgs>(backdrop, BigTextId, {16, 16, 0, 0}, "Big transparent title");
        bigArgs.autoSize = true;
        bigArgs.transparent = true;
        bigArgs.textColor = RGB(255, 255, 255);
        FontSpec big;
        big.face = "Verdana";
        big.height = -28;
        big.weight = FW_BOLD;
        ApplyStyleBits(big, 1 | 2);
        bigArgs.font = big;
        ASSERT_TRUE(bigText.Create(bigArgs));
        auto smallArgs = At<LabelArgs>(backdrop, SmallTextId, {0, 0, 0, 0}, "Small line at the bottom right");
        smallArgs.autoSize = true;
        smallArgs.transparent = true;
        smallArgs.textColor = RGB(255, 255, 0);
        ASSERT_TRUE(smallText.Create(smallArgs));
        smallText.SetPosition(760 - smallText.Width() - 8, 140 - smallText.Height() - 8);
        auto backdropPictureArgs = At<ImageBoxArgs>(backdrop, BackdropPictureId, {600, 20, 44, 44});
        backdropPictureArgs.transparent = true;
        ASSERT_TRUE(backdropPicture.Create(backdropPictureArgs));
        backdropPicture.onPaint = [this](HDC dc) { picture.DrawTransparentByCorner(dc, 0, 0); };

        form.Show();
        SetForegroundWindow(form.Handle());
        next.Focus();
        PumpFor(300);
    }
};

// A point of `label` (in its own client coordinates) shows the same colour as a point outside it.
void ExpectSeeThrough(const Label& label, POINT inside, HWND otherWindow, POINT outside, const char* what) {
    COLORREF seen = ScreenPixel(label.Handle(), inside.x, inside.y);
    COLORREF beneath = ScreenPixel(otherWindow, outside.x, outside.y);
    EXPECT_EQ(seen, beneath) << what << ": 0x" << std::hex << seen << " instead of 0x" << beneath;
}

}  // namespace

TEST(WidgetGallery, TransparentLabelsShowWhatLiesBeneath) {
    Gallery gallery;
    ASSERT_NO_FATAL_FAILURE(gallery.Create());

    // The driver's screenshot holds what the screen shows (rows the right way up).
    std::string shot = Environment("TARNWICK_GALLERY_SHOT");
    if (shot.empty()) shot = driver::MakeScratchFolder("gallery") + "gallery.bmp";
    ASSERT_TRUE(driver::SaveScreenshot(shot));
    Bitmap screenshot = Bitmap::FromBmpFile(shot);
    ASSERT_FALSE(screenshot.Empty());
    EXPECT_EQ(screenshot.Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(screenshot.Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    POINT probe{gallery.backdrop.Left() + 5, gallery.backdrop.Top() + 5};
    ClientToScreen(gallery.form.Handle(), &probe);
    EXPECT_EQ(screenshot.PixelAt(probe.x - GetSystemMetrics(SM_XVIRTUALSCREEN),
                                 probe.y - GetSystemMetrics(SM_YVIRTUALSCREEN)),
              ScreenPixel(gallery.backdrop.Handle(), 5, 5));

    // Up for a look, or for another process's driver (WidgetDriverTest): Cancel ends the wait.
    const int seconds = std::atoi(Environment("TARNWICK_GALLERY_SECONDS").c_str());
    bool cancelled = false;
    gallery.cancel.onClick = [&] { cancelled = true; };
    if (seconds > 0) PumpUntil([&] { return cancelled; }, static_cast<DWORD>(seconds) * 1000);

    // The header's title ends well before its right edge; there, above and below it lies the
    // header's white, and over x < 170 the picture area's gradient (a sibling, not the parent).
    const Label& title = gallery.title;
    const int right = title.Width() - 2;
    ExpectSeeThrough(title, {right, 2}, gallery.header.Handle(), {title.Left() + right, 4}, "title on the header");
    ExpectSeeThrough(title, {20, title.Height() - 1}, gallery.header.Handle(),
                     {title.Left() + 20, title.Top() - 2}, "title over the gradient picture area");
    EXPECT_NE(ScreenPixel(title.Handle(), 20, title.Height() - 1), RGB(255, 255, 255))
        << "the gradient, not white";

    // The backdrop's gradient changes from top to bottom: beside a label, in the same row, it
    // has the colour the label must show.
    const Label& big = gallery.bigText;
    ExpectSeeThrough(big, {big.Width() - 1, 1}, gallery.backdrop.Handle(),
                     {big.Left() + big.Width() + 30, big.Top() + 1}, "big title on the gradient");
    const Label& small = gallery.smallText;
    ExpectSeeThrough(small, {0, 0}, gallery.backdrop.Handle(), {small.Left() - 10, small.Top()},
                     "small line on the gradient");

    // A new, shorter text repaints the label alone: still no box behind it.
    gallery.bigText.SetText("Shorter");
    gallery.title.SetText("Title");
    PumpFor(200);
    ExpectSeeThrough(big, {big.Width() - 1, 1}, gallery.backdrop.Handle(),
                     {big.Left() + big.Width() + 30, big.Top() + 1}, "big title after a new text");
    ExpectSeeThrough(title, {title.Width() - 1, 1}, gallery.header.Handle(),
                     {title.Left() + title.Width() + 40, 9}, "title after a new text");

    // A check box on a white panel is white around its box and text.
    const CheckBox& launch = gallery.launch;
    EXPECT_EQ(ScreenPixel(launch.Handle(), launch.Width() - 1, launch.Height() - 1), RGB(255, 255, 255));

    // The picture on the backdrop leaves its corner colour out.
    const ImageBox& picture = gallery.backdropPicture;
    COLORREF corner = ScreenPixel(picture.Handle(), 0, 0);
    COLORREF besideIt = ScreenPixel(gallery.backdrop.Handle(), picture.Left() - 1, picture.Top());
    EXPECT_EQ(corner, besideIt) << "no magenta corner";
    EXPECT_EQ(ScreenPixel(picture.Handle(), 22, 22), RGB(255, 200, 0)) << "the picture's middle is drawn";
}
