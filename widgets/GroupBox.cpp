#include "widgets/GroupBox.h"

#include "widgets/ParentBackground.h"

namespace tarnwick {

bool GroupBox::Create(const GroupBoxArgs& args) {
    // Not a Tab stop itself; WS_EX_CONTROLPARENT lets Tab navigation reach the controls inside.
    // WS_CLIPCHILDREN keeps the frame's painting off them.
    return CreateControl("BUTTON", args, BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        // The button class paints only the frame and the caption; the inside shows the parent.
        PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
        return 1;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace tarnwick
