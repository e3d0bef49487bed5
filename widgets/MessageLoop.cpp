#include "widgets/MessageLoop.h"

#include "widgets/Form.h"

namespace tarnwick {

bool TranslateDialogMessage(MSG& message) {
    if (!message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    auto* form = dynamic_cast<Form*>(Window::FromHandle(root));
    if (!form) return false;
    if (form->HandleDialogKey(message)) return true;
    return IsDialogMessageA(root, &message) != FALSE;
}

int RunMessageLoop() {
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got < 0) return 0;
        if (!TranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void ProcessPendingMessages() {
    // Bounded in time: messages that keep coming (a fast timer, a window that stays invalid)
    // must not hold the caller here; what is left waits for the next call.
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < 100 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!TranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace tarnwick
