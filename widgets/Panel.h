#pragma once
// A plain container: a rectangle with a background colour and an optional edge, holding controls.

#include "widgets/PaintedWindow.h"

namespace tarnwick {

enum class PanelEdge {
    None,
    Sunken,  // a 1-pixel shadow above and left, light below and right: on a 2-pixel high panel, an etched line
    Raised,
};

struct PanelArgs : ControlArgs {
    PanelEdge edge = PanelEdge::None;
    bool doubleBuffered = false;
};

class Panel : public PaintedWindow {
public:
    bool Create(const PanelArgs& args);

protected:
    void PaintDecoration(HDC dc, const RECT& client) override;

private:
    PanelEdge edge_ = PanelEdge::None;
};

}  // namespace tarnwick
