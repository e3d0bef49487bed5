#include "widgets/Form.h"

#include <vector>

#include "widgets/ApplicationWindow.h"
#include "widgets/Button.h"
#include "widgets/MessageLoop.h"

namespace tarnwick {

namespace {

bool Usable(const Button* button) {
    return button && button->Handle() && IsWindowEnabled(button->Handle()) && IsWindowVisible(button->Handle());
}

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM context) {
    auto* disabled = reinterpret_cast<DisabledWindows*>(context);
    if (window != disabled->keep && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

Form::~Form() { inModal_ = false; }

bool Form::Create(const FormArgs& args) {
    DWORD style = 0;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    switch (args.frame) {
    case FormFrame::Normal:
        style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        break;
    case FormFrame::Dialog:
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case FormFrame::None:
        style = WS_POPUP | WS_SYSMENU;
        break;
    }
    style |= WS_CLIPCHILDREN;
    RECT outer{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    if (args.background) backgroundColor_ = args.background;
    Bounds bounds{args.x, args.y, outer.right - outer.left, outer.bottom - outer.top};
    if (!CreateOwnWindow(args.className.c_str(), args.owner, 0, bounds, args.caption, style, exStyle)) {
        return false;
    }
    SetFont(args.font);
    if (args.iconResource) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        // LR_SHARED: the system keeps resource icons for the process; nothing to destroy.
        auto big =
            static_cast<HICON>(LoadImageA(instance, args.iconResource, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                          GetSystemMetrics(SM_CYICON), LR_SHARED));
        auto small = static_cast<HICON>(LoadImageA(instance, args.iconResource, IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                   LR_SHARED));
        if (big) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (small) SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    return true;
}

void Form::SetClientSize(int width, int height) {
    if (!Handle()) return;
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetSize(outer.right - outer.left, outer.bottom - outer.top);
}

void Form::CentreOnScreen() {
    Bounds bounds = GetBounds();
    SetPosition((GetSystemMetrics(SM_CXSCREEN) - bounds.width) / 2,
                (GetSystemMetrics(SM_CYSCREEN) - bounds.height) / 2);
}

void Form::SetDefaultButton(Button* button) {
    if (defaultButton_) defaultButton_->SetDefaultLook(false);
    defaultButton_ = button;
    if (defaultButton_) defaultButton_->SetDefaultLook(true);
}

void Form::SetCancelButton(Button* button) { cancelButton_ = button; }

int Form::ShowModal() {
    if (!Handle() || inModal_) return 0;
    inModal_ = true;
    modalResult_ = 0;
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    Show();
    SetForegroundWindow(Handle());
    MSG message;
    while (inModal_) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The application is ending: leave the quit for the outer loop to see too.
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
            inModal_ = false;
            break;
        }
        if (!TranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // Enabled again before the form hides, so that the owner, not another program, is activated.
    for (HWND window : disabled.windows) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    Hide();
    return modalResult_;
}

void Form::EndModal(int result) {
    if (!inModal_) return;
    modalResult_ = result;
    inModal_ = false;
    if (Handle()) PostMessageA(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
}

void Form::RequestClose() {
    if (Handle()) PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

bool Form::HandleDialogKey(const MSG& message) {
    bool enterOrEsc = message.wParam == VK_RETURN || message.wParam == VK_ESCAPE;
    if (message.message != WM_KEYDOWN || !enterOrEsc) return false;
    auto messageAddress = reinterpret_cast<LPARAM>(&message);
    auto dialogCode = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, messageAddress);
    // Multi-line edits, a dropped-down list and the like take the key themselves.
    if (dialogCode & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    if (message.wParam == VK_RETURN) {
        if (dialogCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
            // Enter on a focused push button clicks that button.
            auto* focused = dynamic_cast<Button*>(FromHandle(message.hwnd));
            if (!focused) return false;
            focused->Click();
            return true;
        }
        if (!defaultButton_) return false;
        // A disabled default button swallows Enter: nothing else may answer it.
        if (Usable(defaultButton_)) defaultButton_->Click();
        return true;
    }
    if (!cancelButton_) return false;
    if (Usable(cancelButton_)) cancelButton_->Click();
    return true;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: {
        bool allow = true;
        if (onClose) onClose(allow);
        if (!allow) return 0;
        if (inModal_) {
            EndModal(0);
        } else if (isMainForm_) {
            PostQuitMessage(0);
        } else {
            Hide();
        }
        return 0;
    }
    case WM_DESTROY:
        inModal_ = false;
        break;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: {
            if (onMinimize) onMinimize();
            // An owned form minimizes the whole application to its taskbar button (when it has
            // one: minimizing a hidden window would show it).
            auto* application = dynamic_cast<ApplicationWindow*>(FromHandle(GetWindow(Handle(), GW_OWNER)));
            if (application && application->Visible()) {
                application->Minimize();
                return 0;
            }
            break;
        }
        case SC_RESTORE:
            RaiseRestore();
            break;
        default:
            break;
        }
        break;
    case WM_ACTIVATEAPP:
        if (onActivateApp) onActivateApp(wParam != FALSE);
        break;
    case WM_SHOWWINDOW:
        if (onShow) onShow(wParam != FALSE);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (onMouseDown) onMouseDown();
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (onDoubleClick) onDoubleClick();
        break;
    case WM_ACTIVATE:
        // As a dialog does: the focus goes back to the control that had it when the form was
        // deactivated, or else to the first Tab stop, rather than to the form itself.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            bool canTakeFocus = lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) &&
                                IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_);
            HWND target = canTakeFocus ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (target) {
                SetFocus(target);
                return 0;
            }
        }
        break;
    case WM_NEXTDLGCTL: {
        // What a dialog does when Tab (or a control) asks for the next control: lParam set means
        // wParam is the control, otherwise wParam chooses the previous (non-zero) or next one.
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
        if (target && IsChild(Handle(), target)) {
            SetFocus(target);
            // As in dialogs, an edit reached by the keyboard has its text selected.
            if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    case DM_GETDEFID:
        if (defaultButton_ && defaultButton_->Handle()) return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        return 0;
    default:
        break;
    }
    return PaintedWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
