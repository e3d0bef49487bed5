#include "widgets/Panel.h"

namespace tarnwick {

bool Panel::Create(const PanelArgs& args) {
    edge_ = args.edge;
    doubleBuffered_ = args.doubleBuffered;
    // WS_EX_CONTROLPARENT: Tab navigation goes into the panel's controls.
    return CreatePaintedChild("TarnwickPanel", args, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void Panel::PaintDecoration(HDC dc, const RECT& client) {
    if (edge_ == PanelEdge::None) return;
    RECT rect = client;
    DrawEdge(dc, &rect, edge_ == PanelEdge::Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

}  // namespace tarnwick
