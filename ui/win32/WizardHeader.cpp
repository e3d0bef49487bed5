// The header area of pages 1 to 8: page title and subtitle over the gradient and header picture.

#include "ui/WizardControlIds.h"
#include "ui/win32/WizardControls.h"
#include "ui/win32/WizardPages.h"
#include "ui/win32/WizardPainters.h"

namespace tarnwick {

namespace ids = wizard_ids;

bool HeaderArea::Create(const PageBuildContext& context) {
    auto panelArgs = ControlAt<PanelArgs>(context.form, ids::Header, {0, 0, 497, 60});
    panelArgs.visible = false;
    panelArgs.background = WhiteColor();
    if (!panel.Create(panelArgs)) return false;

    // The labels lie above the picture area (created first), and paint what lies beneath them,
    // gradient and picture included, before their text.
    auto titleArgs = ControlAt<LabelArgs>(panel, ids::PageTitle, {171, 8, 302, 14});
    titleArgs.transparent = true;
    FontSpec bold;
    bold.weight = FW_BOLD;
    titleArgs.font = bold;
    bool created = title.Create(titleArgs);

    auto subtitleArgs = ControlAt<LabelArgs>(panel, ids::PageSubtitle, {178, 26, 297, 26});
    subtitleArgs.wordWrap = true;
    subtitleArgs.transparent = true;
    created &= subtitle.Create(subtitleArgs);

    // Transparent: beyond the gradient's 170 pixels the header's own colour shows through.
    auto pictureArgs = ControlAt<ImageBoxArgs>(panel, ids::HeaderPicture, {0, 0, 497, 58});
    pictureArgs.transparent = true;
    created &= picture.Create(pictureArgs);
    const SetupModel& model = context.model;
    const Bitmap* headerPicture = context.pictures.Picture(HeaderPictureKind);
    picture.onPaint = [&model, headerPicture](HDC dc) { PaintHeaderPicture(dc, model, headerPicture); };

    auto lightArgs = ControlAt<PanelArgs>(panel, ids::HeaderEdgeLight, {0, 59, 497, 1});
    lightArgs.background = WhiteColor();
    created &= lightEdge.Create(lightArgs);
    auto shadowArgs = ControlAt<PanelArgs>(panel, ids::HeaderEdgeShadow, {0, 58, 497, 1});
    shadowArgs.background = AppWorkspaceColor();
    created &= shadowEdge.Create(shadowArgs);
    return created;
}

}  // namespace tarnwick
