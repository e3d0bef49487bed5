#include "widgets/Button.h"

namespace tarnwick {

bool Button::Create(const ButtonArgs& args) {
    return CreateControl("BUTTON", args, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP);
}

void Button::Click() {
    if (!Handle() || !IsWindowEnabled(Handle())) return;
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
}

void Button::SetDefaultLook(bool isDefault) {
    if (Handle()) SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool Button::OnCommand(WORD notification) {
    if (notification != BN_CLICKED) return false;
    if (onClick) onClick();
    return true;
}

}  // namespace tarnwick
