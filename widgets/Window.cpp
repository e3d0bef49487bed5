#include "widgets/Window.h"

#include <set>
#include <vector>

#include "widgets/Color.h"
#include "widgets/ParentBackground.h"

namespace tarnwick {

namespace {

// The window property that holds a window's object; a property rather than GWLP_USERDATA, which
// belongs to whoever wrote the window class.
const char* const objectProperty = "TarnwickWidget";

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

}  // namespace

void RegisterOwnWindowClass(const char* className) {
    static std::set<std::string> registered;
    if (!registered.insert(className).second) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::OwnWindowProc;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

Window::~Window() {
    if (!window_) return;
    HWND window = window_;
    WNDPROC original = originalProc_;
    Detach();
    if (original) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    DestroyWindow(window);
}

Window* Window::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<Window*>(GetPropA(window, objectProperty));
}

void Window::Attach(HWND window) {
    window_ = window;
    SetPropA(window, objectProperty, this);
}

void Window::Detach() {
    if (!window_) return;
    RemovePropA(window_, objectProperty);
    window_ = nullptr;
}

int Window::Id() const { return window_ ? GetDlgCtrlID(window_) : 0; }

bool Window::CreateControl(const char* className, const ControlArgs& args, DWORD style, DWORD exStyle) {
    if (window_ || !args.parent || !args.parent->Handle()) return false;
    HWND parent = args.parent->Handle();
    // Created hidden, shown once its font is set, so that it is never drawn in the system font.
    DWORD fullStyle = style | WS_CHILD | WS_CLIPSIBLINGS | (args.enabled ? 0 : WS_DISABLED);
    HWND window =
        CreateWindowExA(exStyle, className, args.text.c_str(), fullStyle, args.bounds.x, args.bounds.y,
                        args.bounds.width, args.bounds.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), ProgramInstance(), nullptr);
    if (!window) return false;
    Attach(window);
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc)));
    if (args.textColor) textColor_ = args.textColor;
    if (args.background) backgroundColor_ = args.background;
    if (args.font) {
        SetFont(*args.font);
    } else {
        SetSharedFont(reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)));
    }
    if (args.visible) ShowWindow(window, SW_SHOWNA);
    return true;
}

bool Window::CreateOwnWindow(const char* className, HWND parent, int id, const Bounds& bounds,
                             const std::string& text, DWORD style, DWORD exStyle) {
    if (window_) return false;
    RegisterOwnWindowClass(className);
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    HWND window = CreateWindowExA(exStyle, className, text.c_str(), style, bounds.x, bounds.y, bounds.width,
                                  bounds.height, parent, menu, ProgramInstance(), this);
    return window != nullptr && window_ == window;
}

LRESULT CALLBACK Window::OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* self = static_cast<Window*>(create->lpCreateParams)) self->Attach(window);
    }
    Window* self = FromHandle(window);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->Route(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(window);
    if (!self) {
        // Only during destruction, between Detach and the restored procedure; never expected.
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->Route(message, wParam, lParam);
}

LRESULT Window::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        LRESULT result = DefaultProc(message, wParam, lParam);
        Detach();
        return result;
    }
    LRESULT result = 0;
    if (onMessage && onMessage(message, wParam, lParam, result)) return result;
    if (Reflect(message, wParam, lParam, result)) return result;
    return HandleMessage(message, wParam, lParam);
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child && child != this && child->OnCommand(HIWORD(wParam))) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Window* child = header ? FromHandle(header->hwndFrom) : nullptr;
        return child && child != this && child->OnNotify(header, result);
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        Window* child = item ? FromHandle(item->hwndItem) : nullptr;
        if (child && child != this && child->OnDrawItem(item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (!child || child == this) return false;
        HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wParam), message);
        if (!brush) return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    default:
        return false;
    }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (originalProc_) return CallWindowProcA(originalProc_, window_, message, wParam, lParam);
    return DefWindowProcA(window_, message, wParam, lParam);
}

HBRUSH Window::OnControlColor(HDC dc, UINT message) {
    if (textColor_) ::SetTextColor(dc, *textColor_);
    if (transparent_) {
        PaintParentBackground(window_, dc);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    std::optional<COLORREF> background = EffectiveBackground();
    if (!background && textColor_) {
        // Answering at all replaces the system's colours, so give its default background too.
        bool fieldLike = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
        background = GetSysColor(fieldLike ? COLOR_WINDOW : COLOR_BTNFACE);
    }
    if (!background) return nullptr;
    SetBkColor(dc, *background);
    return BrushForColor(*background);
}

std::optional<COLORREF> Window::EffectiveBackground() const {
    if (backgroundColor_) return backgroundColor_;
    if (inheritsBackground_ && window_) {
        if (Window* parent = FromHandle(GetParent(window_))) return parent->EffectiveBackground();
    }
    return std::nullopt;
}

void Window::SetText(const std::string& text) {
    if (!window_) return;
    SetWindowTextA(window_, text.c_str());
    OnContentChanged();
}

std::string Window::Text() const {
    if (!window_) return {};
    int length = GetWindowTextLengthA(window_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window_, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

bool Window::Visible() const {
    return window_ && (GetWindowLongPtrA(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(bool visible) {
    if (!window_ || Visible() == visible) return;
    bool child = (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD) != 0;
    ShowWindow(window_, visible ? (child ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

bool Window::Enabled() const { return window_ && IsWindowEnabled(window_); }

void Window::SetEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

Bounds Window::GetBounds() const {
    if (!window_) return {};
    RECT rect;
    GetWindowRect(window_, &rect);
    if (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Window::SetBounds(const Bounds& bounds) {
    if (window_) MoveWindow(window_, bounds.x, bounds.y, bounds.width, bounds.height, TRUE);
}

void Window::SetPosition(int x, int y) {
    if (window_) SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetSize(int width, int height) {
    if (window_) SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::ClientWidth() const {
    RECT rect{};
    if (window_) GetClientRect(window_, &rect);
    return rect.right;
}

int Window::ClientHeight() const {
    RECT rect{};
    if (window_) GetClientRect(window_, &rect);
    return rect.bottom;
}

void Window::SetFont(const FontSpec& spec) {
    auto font = std::make_unique<Font>(spec);
    if (window_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
    // The old font is released only after the window stopped using it.
    ownFont_ = std::move(font);
    OnContentChanged();
}

void Window::SetSharedFont(HFONT font) {
    if (window_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ownFont_.reset();
    OnContentChanged();
}

HFONT Window::FontHandle() const {
    return window_ ? reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)) : nullptr;
}

void Window::SetTextColor(COLORREF color) {
    textColor_ = color;
    Invalidate();
}

void Window::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    Invalidate();
}

void Window::Focus() {
    if (window_) SetFocus(window_);
}

bool Window::Focused() const { return window_ && GetFocus() == window_; }

void Window::Invalidate() {
    if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Window::BringToFront() {
    if (window_) SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace tarnwick
