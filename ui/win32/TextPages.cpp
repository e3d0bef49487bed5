// The pages that show a rich text: license, information and the ready page's summary.

#include <richedit.h>

#include "ui/WizardControlIds.h"
#include "ui/win32/WizardControls.h"
#include "ui/win32/WizardPages.h"

namespace tarnwick {

namespace ids = wizard_ids;

namespace {

// A read-only rich text box that is no Tab stop (the user reads it; Tab goes on to the buttons).
bool CreateTextBox(RichEdit& box, Window& panel, int id, COLORREF background) {
    auto args = ControlAt<RichEditArgs>(panel, id, {22, 56, 452, 178});
    args.readOnly = true;
    args.tabStop = false;
    args.background = background;
    if (!box.Create(args)) return false;
    // A little room between the frame and the text.
    SendMessageA(box.Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(4, 4));
    return true;
}

}  // namespace

bool LicensePage::Create(const PageBuildContext& context) {
    if (!CreatePagePanel(panel, context.form, ids::LicensePanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::LicensePrompt, {22, 12, 452, 41}, context.model.Message(18));
    created &= CreateTextBox(licenseText, panel, ids::LicenseText, WindowColor());
    return created;
}

bool InformationPage::Create(const PageBuildContext& context) {
    if (!CreatePagePanel(panel, context.form, ids::InformationPanel)) return false;
    bool created =
        CreatePrompt(prompt, panel, ids::InformationPrompt, {22, 12, 452, 41}, context.model.Message(82));
    created &= CreateTextBox(informationText, panel, ids::InformationText, WindowColor());
    return created;
}

bool ReadyPage::Create(const PageBuildContext& context) {
    if (!CreatePagePanel(panel, context.form, ids::ReadyPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::ReadyPrompt, {22, 12, 452, 41}, context.model.Message(4));
    created &= CreateTextBox(summary, panel, ids::Summary, ButtonFaceColor());
    return created;
}

}  // namespace tarnwick
