#include "widgets/ApplicationWindow.h"

#include "widgets/Form.h"

namespace tarnwick {

bool ApplicationWindow::Create(const std::string& caption) {
    // No size: the window exists for its taskbar button alone.
    int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    return CreateOwnWindow("TarnwickApplication", nullptr, 0, {x, y, 0, 0}, caption,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0);
}

void ApplicationWindow::Minimize() {
    if (!Handle()) return;
    // Windows hides the owned windows of a minimized window itself, Wine does not: hide them
    // here; the restore brings back exactly those hidden here.
    ShowOwnedPopups(Handle(), FALSE);
    ShowWindow(Handle(), SW_MINIMIZE);
}

void ApplicationWindow::FocusActivePopup() {
    HWND popup = GetLastActivePopup(Handle());
    if (popup && popup != Handle() && IsWindowVisible(popup) && IsWindowEnabled(popup)) SetFocus(popup);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        // Activated through its taskbar button: the focus belongs to the form in front.
        FocusActivePopup();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            LRESULT result = Window::HandleMessage(message, wParam, lParam);
            ShowOwnedPopups(Handle(), TRUE);
            if (mainForm_) mainForm_->RaiseRestore();
            FocusActivePopup();
            return result;
        }
        break;
    case WM_CLOSE:
        // Closing from the taskbar is a close request to the main form; never destroy this window.
        if (mainForm_) mainForm_->RequestClose();
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
