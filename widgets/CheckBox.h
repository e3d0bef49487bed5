#pragma once
// A check box that ticks itself when clicked.

#include "widgets/ToggleButton.h"

namespace tarnwick {

struct CheckBoxArgs : ToggleButtonArgs {};

class CheckBox : public ToggleButton {
public:
    bool Create(const CheckBoxArgs& args) { return CreateToggle(args, BS_AUTOCHECKBOX | WS_GROUP); }
};

}  // namespace tarnwick
