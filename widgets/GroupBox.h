#pragma once
// A framed group with a caption, holding controls of its own (they are its child windows).

#include "widgets/Window.h"

namespace tarnwick {

struct GroupBoxArgs : ControlArgs {};

class GroupBox : public Window {
public:
    GroupBox() { inheritsBackground_ = true; }
    bool Create(const GroupBoxArgs& args);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tarnwick
