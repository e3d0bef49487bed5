#pragma once
// The language dialog: asked before anything else is shown when the setup speaks several
// languages and the command line named none. Its own texts are fixed English ("Please select a
// language.", "OK", "Cancel"): no language is chosen yet when it is shown.

#include <string>

#include "package/RunState.h"
#include "package/SetupModel.h"
#include "widgets/ApplicationWindow.h"
#include "widgets/Button.h"
#include "widgets/ComboBox.h"
#include "widgets/Form.h"
#include "widgets/ImageBox.h"
#include "widgets/Label.h"

namespace tarnwick {

class LanguageDialog {
public:
    // Builds the dialog hidden, owned by the application window and with its caption, and fills
    // the list with the setup's languages in script order, preselecting the user's language
    // (ui/LanguagePreselection.h; userLanguageId is normally GetUserDefaultLangID()).
    bool Create(ApplicationWindow& application, const SetupModel& model, int userLanguageId);

    // Shows the dialog modally; every other window of the program is disabled meanwhile.
    // OK (the button, or Enter anywhere in the dialog) stores the chosen entry's index and text
    // in LanguageIndex and SelectedLanguageName and sets LanguageConfirmed; Cancel, Esc and the
    // close button leave the state as it was.
    void Run(RunState& state);

    HWND Handle() const { return form_.Handle(); }

private:
    void Confirm();

    Form form_;
    ImageBox icon_;
    Label prompt_;
    ComboBox list_;
    Button ok_;
    Button cancel_;
    RunState* state_ = nullptr;
};

}  // namespace tarnwick
