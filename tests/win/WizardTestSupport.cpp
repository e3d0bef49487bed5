#include "WizardTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "WidgetTestSupport.h"
#include "builder/PackageWriter.h"
#include "driver/Driver.h"
#include "engine/TextDigest.h"
#include "package/win32/TempFolder.h"

using namespace tarnwick;

namespace wizard_test {

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

}  // namespace

std::vector<uint8_t> MakeBmp(int width, int height, const std::function<COLORREF(int x, int y)>& paint) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, 14 + 40 + imageSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 14 + 40, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(height), 4);  // bottom-up
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, BI_RGB, 4);
    PutLittleEndian(out, imageSize, 4);
    for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            COLORREF color = paint(x, row);
            out.push_back(GetBValue(color));
            out.push_back(GetGValue(color));
            out.push_back(GetRValue(color));
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> HeaderPictureBmp() {
    return MakeBmp(HeaderPictureWidth, HeaderPictureHeight,
                   [](int x, int y) { return Inside(x, y, 16, 12, 48, 36) ? HeaderInk : Magenta; });
}

std::vector<uint8_t> SidePictureBmp() {
    return MakeBmp(164, 314, [](int x, int y) { return Inside(x, y, 30, 40, 134, 274) ? SideInk : SideKey; });
}

std::vector<uint8_t> IconBmp(COLORREF ink) {
    return MakeBmp(48, 48, [ink](int x, int y) { return Inside(x, y, 8, 8, 40, 40) ? ink : RGB(0, 0, 0); });
}

std::string LicenseRtf() {
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}{\\f1\\froman Times New Roman;}}"
           "{\\colortbl;\\red180\\green0\\blue0;}"
           "\\f0\\fs16 {\\b\\fs20 LICENSE AGREEMENT}\\par\\par "
           "Please read the following terms {\\i carefully}. {\\cf1 By installing the program you accept "
           "them.}\\par\\par "
           "{\\ul 1. Grant.} You may install and use the program on any number of computers.\\par "
           "{\\f1\\fs20 2. Warranty. The program is provided as it is, without warranty of any kind.}\\par}";
}

std::string InformationRtf() {
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}"
           "\\f0\\fs16 {\\i Important:} {\\b this version needs 10 MB of free space.}\\par "
           "Read the {\\ul release notes} after the installation.\\par}";
}

SetupScriptSpec FullSetupScript() {
    SetupScriptSpec spec = DefaultSetupScript();
    auto& s = spec.Settings;
    s[22] = "1";                           // shortcut options offered
    s[29] = TextDigest("secret");         // a password
    s[30] = "1";                           // license page
    s[84] = "1";                           // information page
    s[63] = "1";                           // side picture
    s[70] = std::to_string(RGB(255, 250, 205));  // header colour: light yellow, not white
    s[71] = "1";                           // header picture transparent by its corner
    s[77] = "1";                           // side picture transparent by its corner
    s[80] = "6";                           // header picture at (420, 6)
    s[81] = "420";
    s[82] = "0";                           // side picture at (-20, 0): cut at the left
    s[83] = "-20";
    return spec;
}

TestWizard::TestWizard(const SetupScriptSpec& spec, const Options& options) {
    PackageContents contents;
    contents.ProgramImage = std::vector<uint8_t>(2048, 'M');
    contents.Uninstaller = !options.installer;
    // Small and quick: a test builds many packages.
    contents.Options.preset = 0;
    contents.Options.dictionarySize = 1 << 16;
    contents.Streams.push_back({ScriptStreamKind, WriteSetupScript(spec)});
    if (options.withPictures) {
        contents.Streams.push_back({HeaderPictureKind, HeaderPictureBmp()});
        contents.Streams.push_back({SidePictureKind, SidePictureBmp()});
        contents.Streams.push_back({DestinationPictureKind, IconBmp(IconInks[0])});
        contents.Streams.push_back({ShortcutsPictureKind, IconBmp(IconInks[1])});
        contents.Streams.push_back({PasswordPictureKind, IconBmp(IconInks[2])});
    }
    std::string license = LicenseRtf(), information = InformationRtf();
    contents.Streams.push_back({LicenseTextKind, std::vector<uint8_t>(license.begin(), license.end())});
    contents.Streams.push_back({InformationTextKind, std::vector<uint8_t>(information.begin(), information.end())});

    streamFolder = UserTempPath() + "tarnwick-wizard-test\\";
    CreateDirectoryA(streamFolder.c_str(), nullptr);
    MemoryStream file(AssemblePackage(contents));
    if (LoadPackageFrom(file, streamFolder, package) != PackageLoadResult::Loaded) {
        ADD_FAILURE() << "the test package does not load";
        return;
    }
    package.SetupScript.Seek(0);
    ParseGeneralSettings(package.SetupScript, model);
    ParseRegistryVariableList(package.SetupScript, model);
    ParseRecordLists(package.SetupScript, model);
    model.SelectLanguageMessages(0);

    state.IsInstaller = package.IsInstaller;
    state.LogStateValues[1] = options.loggedFolder;
    tokens.values[7] = options.quickLaunch;

    WizardSetup setup{model, package, state, tokens, streamFolder, nullptr};
    wizard = std::make_unique<WizardWindow>(setup);
    created = wizard->Create();
}

TestWizard::~TestWizard() {
    wizard.reset();
    widget_test::PumpFor(20);
}

HWND TestWizard::Control(int id) const {
    HWND control = driver::FindControl(Window(), id);
    EXPECT_TRUE(control) << "no control " << id;
    return control;
}

void TestWizard::ShowOn(int pageId) {
    if (pageId < 0) {
        wizard->ShowUninstallPage();
    } else {
        wizard->ShowPage(pageId);
    }
    wizard->form.Show();
    SetForegroundWindow(Window());
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    widget_test::PumpFor(150);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace wizard_test
