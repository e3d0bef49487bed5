#pragma once
// A picture area: a rectangle painted by its onPaint handler, over its background colour or, when
// transparent, over whatever lies beneath it.

#include "widgets/PaintedWindow.h"

namespace tarnwick {

struct ImageBoxArgs : ControlArgs {
    bool transparent = false;
    bool doubleBuffered = false;
};

class ImageBox : public PaintedWindow {
public:
    bool Create(const ImageBoxArgs& args);
};

}  // namespace tarnwick
