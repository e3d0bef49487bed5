// The pages where the user chooses: password, destination folder, start-menu group, shortcuts.

#include "ui/WizardControlIds.h"
#include "ui/win32/WizardControls.h"
#include "ui/win32/WizardPages.h"
#include "ui/win32/WizardPainters.h"

namespace tarnwick {

namespace ids = wizard_ids;

namespace {

// The 48 x 48 picture at the top left of a page.
bool CreatePageIcon(ImageBox& icon, Window& panel, int id, const Bitmap* picture) {
    if (!icon.Create(ControlAt<ImageBoxArgs>(panel, id, {32, 32, 48, 48}))) return false;
    icon.onPaint = [picture](HDC dc) { PaintPageIcon(dc, picture); };
    return true;
}

bool CreateGroup(GroupBox& group, Window& panel, int id, const std::string& caption) {
    return group.Create(ControlAt<GroupBoxArgs>(panel, id, {22, 128, 452, 59}, caption));
}

}  // namespace

bool PasswordPage::Create(const PageBuildContext& context) {
    if (!CreatePagePanel(panel, context.form, ids::PasswordPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::PasswordPrompt, {112, 16, 360, 72}, context.model.Message(55));
    created &= CreatePageIcon(icon, panel, ids::PasswordIcon, context.pictures.Picture(PasswordPictureKind));
    created &= CreateGroup(group, panel, ids::PasswordGroup, context.model.Message(56));
    return created;
}

bool PasswordPage::CreatePasswordEdit(unsigned editOptions) {
    if (passwordEdit.Exists()) return true;
    auto args = ControlAt<EditArgs>(group, ids::PasswordEdit, {16, 22, 420, 22});
    args.options = editOptions;
    return passwordEdit.Create(args);
}

bool DestinationPage::Create(const PageBuildContext& context) {
    const SetupModel& model = context.model;
    if (!CreatePagePanel(panel, context.form, ids::DestinationPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::DestinationPrompt, {112, 16, 360, 81}, model.Message(29));
    created &= CreatePageIcon(icon, panel, ids::DestinationIcon, context.pictures.Picture(DestinationPictureKind));
    created &= CreateGroup(group, panel, ids::FolderGroup, model.Message(3));
    auto editArgs = ControlAt<EditArgs>(group, ids::FolderEdit, {16, 22, 329, 22});
    editArgs.background = WindowColor();
    created &= folderEdit.Create(editArgs);
    created &= browseButton.Create(ControlAt<ButtonArgs>(group, ids::BrowseButton, {360, 21, 75, 23}, model.Message(27)));
    return created;
}

bool StartMenuPage::Create(const PageBuildContext& context) {
    const SetupModel& model = context.model;
    if (!CreatePagePanel(panel, context.form, ids::StartMenuPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::StartMenuPrompt, {22, 12, 452, 35}, model.Message(19));
    auto editArgs = ControlAt<EditArgs>(panel, ids::GroupEdit, {22, 56, 452, 22});
    editArgs.background = WindowColor();
    created &= groupEdit.Create(editArgs);
    auto listArgs = ControlAt<ListViewArgs>(panel, ids::GroupList, {22, 80, 452, 138});
    listArgs.columnWidth = 400;
    listArgs.background = WindowColor();
    created &= groupList.Create(listArgs);
    auto optionArgs = ControlAt<CheckBoxArgs>(panel, ids::NoGroupOption, {22, 224, 0, 0}, model.Message(28));
    optionArgs.autoSize = true;
    created &= noGroupOption.Create(optionArgs);
    return created;
}

bool ShortcutsPage::Create(const PageBuildContext& context) {
    const SetupModel& model = context.model;
    if (!CreatePagePanel(panel, context.form, ids::ShortcutsPanel)) return false;
    bool created = CreatePrompt(prompt, panel, ids::ShortcutsPrompt, {112, 16, 360, 72}, model.Message(50));
    // Ticked from the start; shown only where the setup offers them (the wizard decides).
    struct Option {
        CheckBox& box;
        int id;
        int top;
        int message;
    } options[] = {
        {desktopOption, ids::DesktopOption, 128, 31},
        {startMenuOption, ids::StartMenuOption, 152, 32},
        {quickLaunchOption, ids::QuickLaunchOption, 176, 33},
    };
    for (const Option& option : options) {
        auto args = ControlAt<CheckBoxArgs>(panel, option.id, {22, option.top, 0, 0}, model.Message(option.message));
        args.autoSize = true;
        args.visible = false;
        args.checked = true;
        created &= option.box.Create(args);
    }
    created &= CreatePageIcon(icon, panel, ids::ShortcutsIcon, context.pictures.Picture(ShortcutsPictureKind));
    return created;
}

}  // namespace tarnwick
