#pragma once
// The main window: the first form of the program, hidden until start-up has chosen the language;
// then, in a setup with the background switched on, the full-screen backdrop behind the wizard,
// painted with a gradient or a picture and carrying two free texts. It never talks with the user:
// a click on it only brings the wizard back to the front, and it cannot be closed (no caption
// bar, no Close command in its system menu).
//
// The wizard hands over its window with SetWizardWindow once it exists and reports its minimize,
// restore and the application's activation, which hide and show this window (see below).

#include <windows.h>

#include <string>

#include "package/RunState.h"
#include "package/SetupModel.h"
#include "widgets/ApplicationWindow.h"
#include "widgets/Bitmap.h"
#include "widgets/Form.h"
#include "widgets/Label.h"

namespace tarnwick {

// General settings of the background.
enum BackgroundSetting : int {
    ShowBackgroundSetting = 1,
    GradientBackgroundSetting = 3,
    GradientStartSetting = 4,
    GradientEndSetting = 5,
    GradientLeftToRightSetting = 6,
    StretchPictureSetting = 7,
    FirstTextSetting = 8,
    SecondTextSetting = 9,
};

// The application window, created hidden with the caption "*"; it owns the program's forms and
// message boxes.
bool CreateApplicationWindow(ApplicationWindow& application);

class MainWindow {
public:
    // Builds the window hidden: caption "*", (318, 200) with client size 227 x 111, the program's
    // icon, Tahoma -11, two empty transparent auto-sized texts at (16, 16) and (16, 79). The model
    // and the state are read later, by ConfigureBackground and the show rules.
    bool Create(ApplicationWindow& application, const SetupModel& model, const RunState& state);

    HWND Handle() const { return form_.Handle(); }
    bool Visible() const { return form_.Visible(); }
    void SetCaption(const std::string& caption) { form_.SetText(caption); }
    void Hide() { form_.Hide(); }

    // Called once by start-up, in a setup, after the language is chosen: hides the window when
    // setting 1 is off or the run is silent; otherwise shows it over the whole screen with its
    // gradient or picture and its two texts (the second 8 pixels from the bottom-right corner).
    void ConfigureBackground();

    // The wizard's window, once it exists; null before (and after it is gone).
    void SetWizardWindow(HWND wizard) { wizard_ = wizard; }
    // Brings the wizard to the foreground; nothing while there is no wizard. Every click on this
    // window or its texts, and this window becoming visible, call it.
    void BringWizardToFront();

    // The wizard's minimize hides this window.
    void OnWizardMinimize() { form_.Hide(); }
    // The wizard's restore, and the application becoming active, show it again maximized (only in
    // a setup with setting 1 on that is not silent, and only while it is hidden), then bring the
    // wizard to the front.
    void OnWizardRestore();
    void OnApplicationActivate(bool active) {
        if (active) OnWizardRestore();
    }

    // For tests.
    const Label& FirstText() const { return firstText_; }
    const Label& SecondText() const { return secondText_; }

private:
    void PaintBackground(int width, int height);
    void ConfigureText(Label& label, int textSetting, int height, const std::string& face, uint32_t colour,
                       int charset, unsigned style);

    Form form_;
    Label firstText_;
    Label secondText_;
    Bitmap backgroundBitmap_;  // the window's pattern: kept while the window shows it
    Bitmap pictureBitmap_;
    const SetupModel* model_ = nullptr;
    const RunState* state_ = nullptr;
    HWND wizard_ = nullptr;
};

}  // namespace tarnwick
