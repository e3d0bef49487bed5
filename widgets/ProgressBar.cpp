#include "widgets/ProgressBar.h"

#include <commctrl.h>

#include "widgets/CommonControls.h"

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
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        if (memory && bitmap) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            Window::HandleMessage(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
        } else {
            Window::HandleMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        }
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        EndPaint(Handle(), &paint);
        return 0;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
