#include "ui/win32/MainWindow.h"

#include "engine/win32/TokenValues.h"
#include "package/PackageFormat.h"
#include "package/win32/TempFolder.h"
#include "ui/StartUpControlIds.h"
#include "ui/win32/PaintGradient.h"
#include "widgets/Color.h"
#include "widgets/Font.h"

namespace tarnwick {

namespace {

// The texts' fonts and colours: first text 10 height, 11 face, 12 colour, 13 character set,
// 14 style; second text 15 style, 16 colour, 17 character set, 18 height, 19 face.
enum TextSetting : int {
    FirstTextHeight = 10,
    FirstTextFace = 11,
    FirstTextColour = 12,
    FirstTextCharset = 13,
    FirstTextStyle = 14,
    SecondTextStyle = 15,
    SecondTextColour = 16,
    SecondTextCharset = 17,
    SecondTextHeight = 18,
    SecondTextFace = 19,
};

// The second text keeps this distance from the right and bottom edges.
constexpr int CornerMargin = 8;

uint32_t StoredColour(const SetupModel& model, int setting) { return static_cast<uint32_t>(model.SettingNumber(setting)); }

}  // namespace

bool CreateApplicationWindow(ApplicationWindow& application) { return application.Create("*"); }

bool MainWindow::Create(ApplicationWindow& application, const SetupModel& model, const RunState& state) {
    model_ = &model;
    state_ = &state;
    FormArgs args;
    args.owner = application.Handle();
    args.className = BackgroundWindowClass;
    args.caption = "*";
    args.x = 318;
    args.y = 200;
    args.clientWidth = 227;
    args.clientHeight = 111;
    args.frame = FormFrame::None;
    args.iconResource = "MAINICON";
    if (!form_.Create(args)) return false;
    // Without a caption bar nobody reaches the system menu but Alt+Space and Alt+F4: neither may
    // close the backdrop.
    DeleteMenu(GetSystemMenu(form_.Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND);

    LabelArgs text;
    text.parent = &form_;
    text.autoSize = true;
    text.transparent = true;
    text.noPrefix = true;
    text.id = background_ids::FirstText;
    text.bounds = {16, 16, 0, 0};
    if (!firstText_.Create(text)) return false;
    text.id = background_ids::SecondText;
    text.bounds = {16, 79, 0, 0};
    if (!secondText_.Create(text)) return false;

    // A click on the labels reaches the form too: static controls let the mouse through.
    form_.onMouseDown = [this] { BringWizardToFront(); };
    form_.onDoubleClick = [this] { BringWizardToFront(); };
    form_.onShow = [this](bool shown) {
        if (shown) BringWizardToFront();
    };
    return true;
}

void MainWindow::BringWizardToFront() {
    if (wizard_ && IsWindow(wizard_)) SetForegroundWindow(wizard_);
}

void MainWindow::OnWizardRestore() {
    if (!state_->IsInstaller || state_->SilentRun || !model_->SettingFlag(ShowBackgroundSetting)) return;
    if (form_.Visible()) return;
    ShowWindow(form_.Handle(), SW_MAXIMIZE);
    BringWizardToFront();
}

void MainWindow::ConfigureBackground() {
    const SetupModel& model = *model_;
    if (!model.SettingFlag(ShowBackgroundSetting) || state_->SilentRun) {
        form_.Hide();
        return;
    }
    form_.SetBackgroundBitmap(nullptr);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    form_.SetBounds({0, 0, width, height});
    form_.Show();
    SetForegroundWindow(form_.Handle());

    PaintBackground(form_.Width(), form_.Height());

    ConfigureText(firstText_, FirstTextSetting, model.SettingNumber(FirstTextHeight), model.SettingText(FirstTextFace),
                  StoredColour(model, FirstTextColour), model.SettingNumber(FirstTextCharset),
                  static_cast<unsigned>(model.SettingNumber(FirstTextStyle)));
    ConfigureText(secondText_, SecondTextSetting, model.SettingNumber(SecondTextHeight),
                  model.SettingText(SecondTextFace), StoredColour(model, SecondTextColour),
                  model.SettingNumber(SecondTextCharset), static_cast<unsigned>(model.SettingNumber(SecondTextStyle)));
    // A text wider than the screen gets a negative left position and is cut at the left edge.
    secondText_.SetPosition(form_.Width() - secondText_.Width() - CornerMargin,
                            form_.Height() - secondText_.Height() - CornerMargin);
    form_.Invalidate();
}

void MainWindow::PaintBackground(int width, int height) {
    const SetupModel& model = *model_;
    backgroundBitmap_ = Bitmap::CreateCompatible(width, height);
    if (model.SettingFlag(GradientBackgroundSetting)) {
        if (backgroundBitmap_.Empty()) return;
        {
            BitmapCanvas canvas(backgroundBitmap_);
            PaintGradient(canvas.Dc(), width, height, !model.SettingFlag(GradientLeftToRightSetting),
                          StoredColour(model, GradientStartSetting), StoredColour(model, GradientEndSetting));
        }
        form_.SetBackgroundBitmap(backgroundBitmap_.Handle());
        return;
    }
    // A missing or unreadable picture leaves the window in its plain background colour.
    pictureBitmap_ = Bitmap::FromBmpFile(TempFileName(BackgroundPictureKind));
    if (pictureBitmap_.Empty()) return;
    if (model.SettingFlag(StretchPictureSetting)) {
        if (backgroundBitmap_.Empty()) return;
        {
            BitmapCanvas canvas(backgroundBitmap_);
            RECT client{0, 0, form_.ClientWidth(), form_.ClientHeight()};
            pictureBitmap_.StretchDraw(canvas.Dc(), client);
        }
        form_.SetBackgroundBitmap(backgroundBitmap_.Handle());
    } else {
        // The picture itself is the pattern, repeated from the top-left corner.
        form_.SetBackgroundBitmap(pictureBitmap_.Handle());
    }
}

void MainWindow::ConfigureText(Label& label, int textSetting, int height, const std::string& face, uint32_t colour,
                               int charset, unsigned style) {
    label.SetText(ExpandPathTokens(model_->SettingText(textSetting), *state_));
    FontSpec font;
    font.face = face;
    font.height = height;
    font.charset = charset & 0xFF;
    ApplyStyleBits(font, style);
    label.SetFont(font);
    label.SetTextColor(ResolveColor(colour));
}

}  // namespace tarnwick
