#include "widgets/ImageBox.h"

namespace tarnwick {

bool ImageBox::Create(const ImageBoxArgs& args) {
    transparent_ = args.transparent;
    doubleBuffered_ = args.doubleBuffered;
    return CreatePaintedChild("TarnwickImage", args, 0, 0);
}

}  // namespace tarnwick
