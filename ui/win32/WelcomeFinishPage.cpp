// The welcome and finish pages: one white panel covering the header, with the side picture on
// the left and the texts and choices beside it.

#include "ui/WizardControlIds.h"
#include "ui/win32/WizardControls.h"
#include "ui/win32/WizardPages.h"
#include "ui/win32/WizardPainters.h"

namespace tarnwick {

namespace ids = wizard_ids;

bool WelcomeFinishPage::Create(const PageBuildContext& context) {
    const SetupModel& model = context.model;
    auto panelArgs = ControlAt<PanelArgs>(context.form, ids::WelcomeFinishPanel, {0, 0, 497, 316});
    panelArgs.visible = false;
    panelArgs.doubleBuffered = true;
    panelArgs.background = WhiteColor();
    if (!panel.Create(panelArgs)) return false;

    bool created = true;
    auto titleArgs = ControlAt<LabelArgs>(panel, ids::BigTitle, {176, 16, 300, 56}, model.Message(1));
    titleArgs.wordWrap = true;
    titleArgs.transparent = true;
    FontSpec titleFont;
    titleFont.face = "Verdana";
    titleFont.height = 19;  // positive: the cell height
    titleFont.weight = FW_BOLD;
    titleArgs.font = titleFont;
    created &= bigTitle.Create(titleArgs);

    auto bodyArgs = ControlAt<LabelArgs>(panel, ids::BodyText, {176, 80, 300, 210}, model.Message(2));
    bodyArgs.wordWrap = true;
    bodyArgs.transparent = true;
    created &= bodyText.Create(bodyArgs);

    // The finish page's choices, hidden until the finish page shows those its settings offer.
    struct Option {
        CheckBox& box;
        int id;
        int top;
        int message;
        int tickSetting;
    } options[] = {
        {launchOption, ids::LaunchOption, 152, 20, 44},
        {readmeOption, ids::ReadmeOption, 176, 21, 46},
        {webSiteOption, ids::WebSiteOption, 198, 84, 38},
    };
    for (const Option& option : options) {
        auto args = ControlAt<CheckBoxArgs>(panel, option.id, {176, option.top, 0, 0}, model.Message(option.message));
        args.autoSize = true;
        args.visible = false;
        args.background = WhiteColor();
        args.checked = model.SettingFlag(option.tickSetting);
        created &= option.box.Create(args);
    }

    auto sideArgs = ControlAt<ImageBoxArgs>(panel, ids::SidePicture, {0, 0, 164, 314});
    sideArgs.doubleBuffered = true;
    sideArgs.background = WhiteColor();
    created &= sidePicture.Create(sideArgs);
    const Bitmap* side = context.pictures.Picture(SidePictureKind);
    sidePicture.onPaint = [&model, side](HDC dc) { PaintSidePicture(dc, model, side); };

    auto lineArgs = ControlAt<PanelArgs>(panel, ids::BottomLine, {0, 314, 497, 1});
    lineArgs.background = AppWorkspaceColor();
    created &= bottomLine.Create(lineArgs);

    // The restart choice; "now" is the first radio button of the panel and starts selected.
    auto nowArgs = ControlAt<RadioButtonArgs>(panel, ids::RestartNow, {176, 152, 0, 0}, model.Message(66));
    nowArgs.autoSize = true;
    nowArgs.visible = false;
    nowArgs.groupStart = true;
    nowArgs.checked = true;
    created &= restartNow.Create(nowArgs);
    auto laterArgs = ControlAt<RadioButtonArgs>(panel, ids::RestartLater, {176, 176, 0, 0}, model.Message(67));
    laterArgs.autoSize = true;
    laterArgs.visible = false;
    created &= restartLater.Create(laterArgs);
    return created;
}

}  // namespace tarnwick
