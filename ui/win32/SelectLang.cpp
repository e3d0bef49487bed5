#include "ui/win32/SelectLang.h"

#include "ui/LanguagePreselection.h"
#include "ui/StartUpControlIds.h"

namespace tarnwick {

bool LanguageDialog::Create(ApplicationWindow& application, const SetupModel& model, int userLanguageId) {
    FormArgs args;
    args.owner = application.Handle();
    args.className = LanguageDialogClass;
    args.caption = application.Text();
    args.x = 253;
    args.y = 208;
    args.clientWidth = 287;
    args.clientHeight = 127;
    args.frame = FormFrame::Dialog;  // no icon, no minimize or maximize box, modal frame
    if (!form_.Create(args)) return false;
    form_.CentreOnScreen();

    ImageBoxArgs icon;
    icon.parent = &form_;
    icon.id = language_ids::Icon;
    icon.bounds = {16, 16, 32, 32};
    if (!icon_.Create(icon)) return false;
    icon_.onPaint = [](HDC dc) {
        // Drawn at the system's icon size, whatever that is.
        if (HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON")) DrawIcon(dc, 0, 0, programIcon);
    };

    LabelArgs prompt;
    prompt.parent = &form_;
    prompt.id = language_ids::Prompt;
    prompt.bounds = {67, 16, 0, 0};
    prompt.autoSize = true;
    prompt.text = "Please select a language.";
    if (!prompt_.Create(prompt)) return false;

    ComboBoxArgs list;
    list.parent = &form_;
    list.id = language_ids::List;
    list.bounds = {67, 62, 210, 21};
    list.background = GetSysColor(COLOR_WINDOW);
    if (!list_.Create(list)) return false;

    // The list is the first Tab stop: it has the focus when the dialog comes up, so the arrows
    // choose at once and Enter confirms.
    ButtonArgs ok;
    ok.parent = &form_;
    ok.id = language_ids::Ok;
    ok.bounds = {112, 95, 75, 23};
    ok.text = "OK";
    if (!ok_.Create(ok)) return false;
    ButtonArgs cancel = ok;
    cancel.id = language_ids::Cancel;
    cancel.bounds = {202, 95, 75, 23};
    cancel.text = "Cancel";
    if (!cancel_.Create(cancel)) return false;
    form_.SetDefaultButton(&ok_);
    form_.SetCancelButton(&cancel_);
    ok_.onClick = [this] { Confirm(); };
    cancel_.onClick = [this] { form_.EndModal(0); };

    for (int i = 0; i < model.LanguageCount(); ++i) list_.AddItem(model.LanguageList.Field(i, 0));
    list_.Select(PreselectedLanguage(model, userLanguageId));
    return true;
}

void LanguageDialog::Run(RunState& state) {
    state_ = &state;
    form_.ShowModal();
    state_ = nullptr;
}

void LanguageDialog::Confirm() {
    if (!state_) return;
    int index = list_.SelectedIndex();
    state_->LanguageIndex = static_cast<uint8_t>(index < 0 ? 0 : index);
    state_->SelectedLanguageName = list_.Text();
    state_->LanguageConfirmed = true;
    form_.Hide();
    form_.EndModal(1);
}

}  // namespace tarnwick
