#pragma once
// Our thin GUI layer over raw Win32: the base of every window and control.
//
// How the layer works (the rules every class here follows):
//
// - Ownership. A widget object owns exactly one HWND. Objects are created empty and their window
//   is made by Create(args), from a small struct of arguments. Destroying the object destroys its
//   window; destroying a parent window first is also safe (the object sees WM_NCDESTROY and lets
//   go). Objects cannot be copied or moved, because the window holds a pointer to them.
// - Attachment. Windows of our own classes (Form, Panel, ImageBox, ApplicationWindow) get their
//   object attached at WM_NCCREATE, before any other message; system controls (BUTTON, STATIC,
//   EDIT, rich edit, list view, combo box, progress bar) are subclassed right after creation.
//   Window::FromHandle finds the object of any window of the layer.
// - Events. Events are std::function fields (onClick, onChange, onPaint, onClose ...); an empty
//   field means "nothing to do". A control's notifications arrive at its parent window
//   (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM); whatever window of the layer receives
//   one hands it back ("reflects" it) to the object of the control that sent it, which raises its
//   event. So a handler is always set on the control itself, never on its parent.
// - Events come from Windows' own notifications. A change made by code raises the event exactly
//   when Windows notifies it: Edit::SetText raises onChange (EN_CHANGE), CheckBox::SetChecked
//   does not raise onClick (no BN_CLICKED), ComboBox::Select does not raise onChange.
// - Handlers run on the GUI thread, also those of the multimedia Timer (its ticks are posted
//   to the GUI thread).
// - Control ids. Every control takes a stable control id in its arguments: the end-to-end driver
//   finds controls by id, at any depth of the window tree.
// - Texts are 8-bit ANSI (the "A" functions throughout); positions are pixels in the parent's
//   client area; colours are COLORREF values (see Color.h for system colours).

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "widgets/Font.h"

namespace tarnwick {

struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What every control is created with.
struct ControlArgs {
    class Window* parent = nullptr;
    int id = 0;
    Bounds bounds;
    std::string text;
    bool visible = true;
    bool enabled = true;
    // The parent's font when not given.
    std::optional<FontSpec> font;
    // Resolved colours; the control's default when not given.
    std::optional<COLORREF> textColor;
    std::optional<COLORREF> background;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return window_; }
    bool Exists() const { return window_ != nullptr; }
    int Id() const;
    // The object of a window of this layer, or null.
    static Window* FromHandle(HWND window);

    void SetText(const std::string& text);
    std::string Text() const;

    // The window's own visibility flag (a control on a hidden panel can be "visible").
    bool Visible() const;
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // Position and size in the parent's client area (the screen for top-level windows).
    Bounds GetBounds() const;
    void SetBounds(const Bounds& bounds);
    int Left() const { return GetBounds().x; }
    int Top() const { return GetBounds().y; }
    int Width() const { return GetBounds().width; }
    int Height() const { return GetBounds().height; }
    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    void SetLeft(int x) { SetPosition(x, Top()); }
    void SetTop(int y) { SetPosition(Left(), y); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    int ClientWidth() const;
    int ClientHeight() const;

    // Fonts: SetFont makes and keeps a font of the window's own; SetSharedFont uses one that the
    // caller keeps alive.
    void SetFont(const FontSpec& spec);
    void SetSharedFont(HFONT font);
    HFONT FontHandle() const;

    // Colours (resolved COLORREF values) of the text and the background.
    virtual void SetTextColor(COLORREF color);
    virtual void SetBackgroundColor(COLORREF color);
    // The colour this window's background shows: its own, else (for controls that take it) the
    // parent's. Empty when it is the system's default.
    virtual std::optional<COLORREF> EffectiveBackground() const;

    void Focus();
    bool Focused() const;
    // Repaints the window and its children.
    void Invalidate();
    void BringToFront();

    // Seen before the class's own handling of every message; return true (and set result) to
    // consume it. For needs this layer does not cover.
    std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onMessage;

protected:
    // Creates a system control of class `className` and subclasses it.
    bool CreateControl(const char* className, const ControlArgs& args, DWORD style, DWORD exStyle = 0);
    // Creates a window of one of our own registered classes; the object is attached at WM_NCCREATE.
    bool CreateOwnWindow(const char* className, HWND parent, int id, const Bounds& bounds, const std::string& text,
                         DWORD style, DWORD exStyle);

    // The class's handling of a message; the default passes it on to the original procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Reflected notifications (see the rules above). Return true when handled.
    virtual bool OnCommand(WORD notification) { return false; }
    virtual bool OnNotify(NMHDR* header, LRESULT& result) { return false; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT* item) { return false; }
    // WM_CTLCOLOR*: the brush for the control's background, or null for the system's default.
    virtual HBRUSH OnControlColor(HDC dc, UINT message);
    // After the font or the text changed (auto-sizing controls measure themselves again).
    virtual void OnContentChanged() {}

    // Controls that show their parent's background colour unless they have one of their own.
    bool inheritsBackground_ = false;
    // Draws the parent's (and lower siblings') background under the control: see ParentBackground.h.
    bool transparent_ = false;
    std::optional<COLORREF> textColor_;
    std::optional<COLORREF> backgroundColor_;

private:
    friend void RegisterOwnWindowClass(const char* className);
    static LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Attach(HWND window);
    void Detach();

    HWND window_ = nullptr;
    WNDPROC originalProc_ = nullptr;  // null for our own classes (DefWindowProc)
    std::unique_ptr<Font> ownFont_;
};

// Registers one of our window classes once (CS_DBLCLKS, arrow cursor, no class brush).
void RegisterOwnWindowClass(const char* className);

}  // namespace tarnwick
