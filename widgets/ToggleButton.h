#pragma once
// What check boxes and radio buttons share: a tick state, a click event and sizing to the text.

#include "widgets/Window.h"

namespace tarnwick {

struct ToggleButtonArgs : ControlArgs {
    bool autoSize = false;  // bounds' width and height are then ignored
    bool checked = false;
};

class ToggleButton : public Window {
public:
    ToggleButton() { inheritsBackground_ = true; }

    bool Checked() const;
    // Does not raise onClick (Windows sends no BN_CLICKED for BM_SETCHECK).
    void SetChecked(bool checked);

    // A click by the user or by the keyboard (the state has already changed).
    std::function<void()> onClick;

protected:
    bool CreateToggle(const ToggleButtonArgs& args, DWORD buttonStyle);
    bool OnCommand(WORD notification) override;
    void OnContentChanged() override;

private:
    void FitToText();
    bool autoSize_ = false;
};

}  // namespace tarnwick
