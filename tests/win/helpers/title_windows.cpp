// A program with top-level windows of given titles, for the tests that find and close running
// instances. Arguments: "close:Title" makes a window that closes on WM_CLOSE, "stay:Title" one that
// only counts its WM_CLOSE messages. WM_APP answers the count. Ends when its last window is gone,
// or after two minutes.

#include <windows.h>

#include <cstring>

namespace {

constexpr char WindowClassName[] = "TarnwickTestTitleWindow";
constexpr UINT_PTR LifetimeTimer = 1;

int openWindows = 0;

struct WindowState {
    bool closes;
    LRESULT closeMessages;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_CLOSE:
        if (state) ++state->closeMessages;
        if (state && state->closes) DestroyWindow(window);
        return 0;
    case WM_APP:
        return state ? state->closeMessages : -1;
    case WM_TIMER:
        PostQuitMessage(2);
        return 0;
    case WM_DESTROY:
        if (--openWindows == 0) PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WindowClassName;
    RegisterClassA(&windowClass);

    static WindowState states[64];
    HWND first = nullptr;
    for (int i = 1; i < argc && i <= 64; ++i) {
        const char* argument = argv[i];
        WindowState& state = states[i - 1];
        state.closes = std::strncmp(argument, "close:", 6) == 0;
        const char* title = std::strchr(argument, ':') ? std::strchr(argument, ':') + 1 : argument;
        HWND window = CreateWindowExA(0, WindowClassName, title, WS_OVERLAPPEDWINDOW, 40 + 20 * i, 40 + 20 * i, 300, 120,
                                      nullptr, nullptr, windowClass.hInstance, &state);
        if (!window) return 1;
        ++openWindows;
        ShowWindow(window, SW_SHOWNOACTIVATE);
        if (!first) first = window;
    }
    if (first) SetTimer(first, LifetimeTimer, 120000, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return static_cast<int>(message.wParam);
}
