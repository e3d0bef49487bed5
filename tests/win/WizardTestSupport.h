#pragma once
// Shared pieces of the wizard's Windows-side tests: a setup package with pictures of every kind
// and real rich texts, loaded the way the runtime loads its own, and the wizard built from it.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "builder/ScriptWriter.h"
#include "engine/PathTokens.h"
#include "package/PackageLoader.h"
#include "package/RunState.h"
#include "package/SetupModel.h"
#include "ui/win32/Wizard.h"

namespace wizard_test {

// The bytes of a 24-bit BMP file whose pixel (x, y) (top-down) has the colour paint(x, y).
std::vector<uint8_t> MakeBmp(int width, int height, const std::function<COLORREF(int x, int y)>& paint);

// The pictures of the test package. Colours are chosen to be told apart on screen.
constexpr COLORREF Magenta = RGB(255, 0, 255);     // the header picture's background, pixel (0, 0)
constexpr COLORREF HeaderInk = RGB(0, 64, 160);    // the header picture's content
constexpr COLORREF SideKey = RGB(0, 200, 0);       // the side picture's pixel (0, 0) and frame
constexpr COLORREF SideInk = RGB(40, 40, 120);     // the side picture's content
constexpr COLORREF IconInks[3] = {RGB(250, 200, 0), RGB(0, 190, 220), RGB(230, 90, 20)};  // kinds 7, 8, 9
constexpr int HeaderPictureWidth = 64;
constexpr int HeaderPictureHeight = 48;
std::vector<uint8_t> HeaderPictureBmp();   // magenta with a HeaderInk block at (16, 12)-(48, 36)
std::vector<uint8_t> SidePictureBmp();     // 164 x 314: SideKey with a SideInk block at (30, 40)-(134, 274)
std::vector<uint8_t> IconBmp(COLORREF ink);  // 48 x 48: black with an ink block at (8, 8)-(40, 40)

// RTF documents with formatting: the license's first word is bold, the information's italic.
std::string LicenseRtf();
std::string InformationRtf();

// Path tokens of the test: token 1 is Program Files, token 7 (Quick Launch) is set by the test.
class TestTokens final : public tarnwick::TokenResolver {
public:
    std::map<int, std::string> values{{1, "C:\\Program Files"}, {7, "C:\\QuickLaunch"}};
    std::string ResolveToken(int number) override {
        auto found = values.find(number);
        return found == values.end() ? std::string() : found->second;
    }
};

// A setup whose every optional page and picture is present (license, password, information,
// start menu, shortcuts), as the wizard tests start from.
tarnwick::SetupScriptSpec FullSetupScript();

// The wizard of a setup, built in this process from the package the builder writes.
class TestWizard {
public:
    struct Options {
        bool installer = true;
        bool withPictures = true;
        std::string quickLaunch = "C:\\QuickLaunch";  // token 7; empty: the machine has none
        std::string loggedFolder = "C:\\Program Files\\Logged App\\";  // the uninstaller's log value "1"
    };
    explicit TestWizard(const tarnwick::SetupScriptSpec& spec) : TestWizard(spec, Options()) {}
    TestWizard(const tarnwick::SetupScriptSpec& spec, const Options& options);
    ~TestWizard();

    bool created = false;
    tarnwick::SetupModel model;
    tarnwick::LoadedPackage package;
    tarnwick::RunState state;
    TestTokens tokens;
    std::string streamFolder;
    std::unique_ptr<tarnwick::WizardWindow> wizard;

    HWND Window() const { return wizard->form.Handle(); }
    HWND Control(int id) const;
    // Shows the window with page id (or the uninstall page for -1) and lets it paint.
    void ShowOn(int pageId);
};

// The colour on the screen at a point of a window's client area.
COLORREF ScreenPixel(HWND window, int x, int y);
// Whether two colours are equal within a tolerance per component (dithering, halftone stretching).
bool Near(COLORREF a, COLORREF b, int tolerance = 8);

}  // namespace wizard_test
