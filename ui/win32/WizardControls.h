#pragma once
// Small helpers for building the wizard's controls from their places in the page tables.

#include <string>

#include "widgets/Color.h"
#include "widgets/Label.h"
#include "widgets/Panel.h"
#include "widgets/Window.h"

namespace tarnwick {

// Arguments of a control at bounds in parent, with its id and text; every other argument at its default.
template <class Args>
Args ControlAt(Window& parent, int id, const Bounds& bounds, const std::string& text = {}) {
    Args args;
    args.parent = &parent;
    args.id = id;
    args.bounds = bounds;
    args.text = text;
    return args;
}

// Colours the page tables name.
inline COLORREF WhiteColor() { return RGB(255, 255, 255); }
inline COLORREF WindowColor() { return GetSysColor(COLOR_WINDOW); }
inline COLORREF ButtonFaceColor() { return GetSysColor(COLOR_BTNFACE); }
inline COLORREF AppWorkspaceColor() { return GetSysColor(COLOR_APPWORKSPACE); }

// The panel of a page below the header: (0, 60), 495 x 245, hidden, double-buffered, in the
// window's own background colour.
inline bool CreatePagePanel(Panel& panel, Window& form, int id) {
    auto args = ControlAt<PanelArgs>(form, id, {0, 60, 495, 245});
    args.visible = false;
    args.doubleBuffered = true;
    return panel.Create(args);
}

// A page's word-wrapped prompt.
inline bool CreatePrompt(Label& label, Window& panel, int id, const Bounds& bounds, const std::string& text) {
    auto args = ControlAt<LabelArgs>(panel, id, bounds, text);
    args.wordWrap = true;
    return label.Create(args);
}

}  // namespace tarnwick
