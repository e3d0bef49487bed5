#include "widgets/PaintedWindow.h"

#include "widgets/Color.h"
#include "widgets/OffscreenPaint.h"
#include "widgets/ParentBackground.h"

namespace tarnwick {

PaintedWindow::~PaintedWindow() {
    if (patternBrush_) DeleteObject(patternBrush_);
}

bool PaintedWindow::CreatePaintedChild(const char* className, const ControlArgs& args, DWORD style,
                                       DWORD exStyle) {
    if (!args.parent || !args.parent->Handle()) return false;
    if (args.background) backgroundColor_ = args.background;
    if (args.textColor) textColor_ = args.textColor;
    style |= WS_CHILD | WS_CLIPSIBLINGS | (args.enabled ? 0 : WS_DISABLED);
    if (!CreateOwnWindow(className, args.parent->Handle(), args.id, args.bounds, args.text, style, exStyle)) {
        return false;
    }
    if (args.font) {
        SetFont(*args.font);
    } else {
        SetSharedFont(args.parent->FontHandle());
    }
    if (args.visible) ShowWindow(Handle(), SW_SHOWNA);
    return true;
}

void PaintedWindow::SetBackgroundBitmap(HBITMAP bitmap) {
    if (patternBrush_) DeleteObject(patternBrush_);
    patternBrush_ = bitmap ? CreatePatternBrush(bitmap) : nullptr;
    Invalidate();
}

void PaintedWindow::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

std::optional<COLORREF> PaintedWindow::EffectiveBackground() const {
    if (backgroundColor_) return backgroundColor_;
    if (Handle() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD)) {
        if (Window* parent = FromHandle(GetParent(Handle()))) {
            if (auto color = parent->EffectiveBackground()) return color;
        }
    }
    return GetSysColor(COLOR_BTNFACE);
}

void PaintedWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (transparent_) {
        PaintParentBackground(Handle(), dc);
    } else {
        HBRUSH brush = patternBrush_ ? patternBrush_ : BrushForColor(*EffectiveBackground());
        // The pattern starts at this window's top-left corner wherever the DC's origin is (a
        // child's DC shifted to paint our background under it).
        POINT origin{0, 0};
        LPtoDP(dc, &origin, 1);
        POINT oldOrigin;
        SetBrushOrgEx(dc, origin.x, origin.y, &oldOrigin);
        FillRect(dc, &client, brush);
        SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    }
    PaintDecoration(dc, client);
    if (onPaint) {
        int saved = SaveDC(dc);
        if (font_) SelectObject(dc, font_);
        onPaint(dc);
        RestoreDC(dc, saved);
    }
}

void PaintedWindow::PaintBuffered(HDC dc, const RECT& area) {
    RECT client;
    GetClientRect(Handle(), &client);
    OffscreenPaint buffer(dc, client.right, client.bottom);
    if (!buffer.Dc()) {
        Paint(dc);  // out of GDI resources: paint directly rather than not at all
        return;
    }
    // A buffer kept from an earlier paint keeps that paint's DC state: start from a clean one.
    int saved = SaveDC(buffer.Dc());
    Paint(buffer.Dc());
    RestoreDC(buffer.Dc(), saved);
    buffer.CopyTo(dc, area);
}

LRESULT PaintedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the background is painted with the rest in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        if (doubleBuffered_) {
            PaintBuffered(dc, paint.rcPaint);
        } else {
            Paint(dc);
        }
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace tarnwick
