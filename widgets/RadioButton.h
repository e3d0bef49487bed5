#pragma once
// A radio button that selects itself when clicked and clears the others of its group. A group
// runs from a button created with groupStart to the next control that starts a group (every
// other kind of control does).

#include "widgets/ToggleButton.h"

namespace tarnwick {

struct RadioButtonArgs : ToggleButtonArgs {
    bool groupStart = false;
};

class RadioButton : public ToggleButton {
public:
    bool Create(const RadioButtonArgs& args) {
        return CreateToggle(args, BS_AUTORADIOBUTTON | (args.groupStart ? WS_GROUP : 0));
    }
};

}  // namespace tarnwick
