#include "widgets/ParentBackground.h"

#include <vector>

#include "widgets/PaintedWindow.h"

namespace tarnwick {

namespace {

// Has `window` paint its client area into dc at the current origin, clipped to its client area.
void PrintClientArea(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(dc, saved);
}

POINT ClientOriginIn(HWND window, HWND parent) {
    POINT origin{0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    return origin;
}

RECT WindowRectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void PaintParentBackground(HWND child, HDC dc) {
    if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD)) return;
    HWND parent = GetParent(child);
    if (!parent) return;

    RECT client;
    GetClientRect(child, &client);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);

    // From here on, logical coordinates are the parent's client coordinates.
    POINT childOrigin = ClientOriginIn(child, parent);
    OffsetViewportOrgEx(dc, -childOrigin.x, -childOrigin.y, nullptr);
    PrintClientArea(parent, dc);

    // Lower siblings (those created after the child) that overlap it, painted bottom-most first.
    // Only our painted windows take part: they paint a background; system controls do not.
    RECT childRect = WindowRectIn(child, parent);
    std::vector<HWND> below;
    for (HWND sibling = GetWindow(child, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!IsWindowVisible(sibling) || !dynamic_cast<PaintedWindow*>(Window::FromHandle(sibling))) continue;
        RECT siblingRect = WindowRectIn(sibling, parent);
        RECT overlap;
        if (IntersectRect(&overlap, &childRect, &siblingRect)) below.push_back(sibling);
    }
    for (auto it = below.rbegin(); it != below.rend(); ++it) {
        POINT origin = ClientOriginIn(*it, parent);
        int beforeSibling = SaveDC(dc);
        OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        PrintClientArea(*it, dc);
        RestoreDC(dc, beforeSibling);
    }
    RestoreDC(dc, saved);
}

}  // namespace tarnwick
