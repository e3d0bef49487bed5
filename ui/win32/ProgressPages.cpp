// The pages that show work in progress: the installing page and the uninstaller's page.

#include "ui/WizardControlIds.h"
#include "ui/win32/WizardControls.h"
#include "ui/win32/WizardPages.h"

namespace tarnwick {

namespace ids = wizard_ids;

bool ProgressPage::Create(const PageBuildContext& context) {
    if (!CreatePagePanel(panel, context.form, ids::ProgressPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::ProgressPrompt, {22, 16, 452, 57}, context.model.Message(5));
    // File and folder names pass through the status line: an "&" in them is shown as it is.
    auto statusArgs = ControlAt<LabelArgs>(panel, ids::StatusLine, {22, 186, 452, 14});
    statusArgs.noPrefix = true;
    created &= statusLine.Create(statusArgs);
    created &= progressBar.Create(ControlAt<ProgressBarArgs>(panel, ids::InstallProgress, {22, 208, 452, 18}));
    return created;
}

bool UninstallPage::Create(const PageBuildContext& context) {
    const SetupModel& model = context.model;
    if (!CreatePagePanel(panel, context.form, ids::UninstallPanel)) return false;

    auto textArgs = ControlAt<LabelArgs>(panel, ids::UninstallText, {22, 22, 451, 57}, model.Message(63));
    textArgs.wordWrap = true;
    FontSpec textFont;
    textFont.face = "tahoma";
    textArgs.font = textFont;
    bool created = text.Create(textArgs);

    auto labelArgs = ControlAt<LabelArgs>(panel, ids::UninstallFolderLabel, {22, 96, 0, 0}, model.Message(65));
    labelArgs.autoSize = true;
    created &= folderLabel.Create(labelArgs);

    // The removal list and its progress bar take the place of the confirmation once the removal runs.
    auto listArgs = ControlAt<ListViewArgs>(panel, ids::RemovalList, {22, 30, 452, 174});
    listArgs.columnWidth = 430;
    listArgs.background = WindowColor();
    listArgs.visible = false;
    created &= removalList.Create(listArgs);
    auto barArgs = ControlAt<ProgressBarArgs>(panel, ids::UninstallProgress, {22, 212, 452, 18});
    barArgs.visible = false;
    created &= progressBar.Create(barArgs);

    auto boxArgs = ControlAt<EditArgs>(panel, ids::UninstallFolderBox, {110, 90, 364, 22});
    boxArgs.options = EditReadOnly;
    boxArgs.background = ButtonFaceColor();
    created &= folderBox.Create(boxArgs);

    auto optionArgs = ControlAt<CheckBoxArgs>(panel, ids::WebPageOption, {24, 132, 0, 0}, model.Message(81));
    optionArgs.autoSize = true;
    optionArgs.checked = true;
    optionArgs.visible = false;
    optionArgs.background = ButtonFaceColor();
    created &= webPageOption.Create(optionArgs);
    return created;
}

}  // namespace tarnwick
