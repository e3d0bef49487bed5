#pragma once
// A static text. Auto-sized labels take the size of their text whenever the text or the font
// changes; transparent labels show what lies beneath them (gradients, pictures).

#include "widgets/Window.h"

namespace tarnwick {

struct LabelArgs : ControlArgs {
    bool autoSize = false;    // bounds' width and height are then ignored
    bool wordWrap = false;    // breaks lines at the width; otherwise only at line breaks in the text
    bool transparent = false;
    bool noPrefix = false;    // "&" is shown as it is instead of underlining the next letter
};

class Label : public Window {
public:
    Label() { inheritsBackground_ = true; }
    bool Create(const LabelArgs& args);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    void SetTransparent(bool transparent);

protected:
    void OnContentChanged() override;

private:
    void FitToText();

    bool autoSize_ = false;
    bool noPrefix_ = false;
};

}  // namespace tarnwick
