#pragma once
// A push button. A form's default button answers Enter and its cancel button Esc (Form, MessageLoop).

#include "widgets/Window.h"

namespace tarnwick {

struct ButtonArgs : ControlArgs {};

class Button : public Window {
public:
    bool Create(const ButtonArgs& args);

    std::function<void()> onClick;

    // Raises the click as Windows does for a user's click: BN_CLICKED to the parent, whence it
    // is reflected to onClick. Does nothing while the button is disabled.
    void Click();
    // The thick border of the default button.
    void SetDefaultLook(bool isDefault);

protected:
    bool OnCommand(WORD notification) override;
};

}  // namespace tarnwick
