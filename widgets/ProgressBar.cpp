#include "widgets/ProgressBar.h"

#include <commctrl.h>

#include "widgets/CommonControls.h"
#include "widgets/OffscreenPaint.h"

namespace tarnwick {

bool ProgressBar::Create(const ProgressBarArgs& args) {
    EnsureCommonControls();
    doubleBuffered_ = args.doubleBuffered;
    return CreateControl(PROGRESS_CLASSA, args, args.smooth ? PBS_SMOOTH : 0);
}

void ProgressBar::SetRange(int minimum, int maximum) {
    if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, minimum, maximum);
}

int ProgressBar::Minimum() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, TRUE, 0)) : 0;
}

int ProgressBar::Maximum() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0)) : 0;
}

int ProgressBar::Position() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0)) : 0;
}

void ProgressBar::SetPosition(int position) {
    if (Handle()) SendMessageA(Handle(), PBM_SETPOS, position, 0);
}

LRESULT ProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!doubleBuffered_) return Window::HandleMessage(message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the bar paints its whole client area in WM_PAINT
    case WM_PAINT: {
        if (wParam) break;  // already given a DC to paint into
        // The control paints into a DC passed in wParam; give it an off-screen one.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        {
            OffscreenPaint buffer(dc, client.right, client.bottom);
            HDC target = buffer.Dc() ? buffer.Dc() : dc;
            int saved = SaveDC(target);
            Window::HandleMessage(WM_PAINT, reinterpret_cast<WPARAM>(target), 0);
            RestoreDC(target, saved);
            buffer.CopyTo(dc, client);
        }
        EndPaint(Handle(), &paint);
        return 0;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
