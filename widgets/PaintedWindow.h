#pragma once
// The base of our own window classes that paint themselves (Form, Panel, ImageBox): a background
// (a colour, a tiled bitmap, or what lies beneath when transparent), a decoration such as an
// edge, then the onPaint handler; optionally through an off-screen bitmap against flicker.

#include "widgets/Window.h"

namespace tarnwick {

class PaintedWindow : public Window {
public:
    ~PaintedWindow() override;

    // Paints on top of the background, with the window's font selected. The DC's state is
    // restored afterwards.
    std::function<void(HDC dc)> onPaint;

    // A bitmap tiled from the top-left corner as the background (the caller keeps the bitmap
    // alive). Null goes back to the background colour.
    void SetBackgroundBitmap(HBITMAP bitmap);
    void SetTransparent(bool transparent);
    void SetDoubleBuffered(bool doubleBuffered) { doubleBuffered_ = doubleBuffered; }

    // Own colour, else the parent's; the system's button face colour for a top-level window.
    std::optional<COLORREF> EffectiveBackground() const override;

protected:
    // Creates a child window of our class `className` from the common arguments.
    bool CreatePaintedChild(const char* className, const ControlArgs& args, DWORD style, DWORD exStyle);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Drawn over the background, under onPaint (a panel's edge).
    virtual void PaintDecoration(HDC dc, const RECT& client) {}

    bool doubleBuffered_ = false;

private:
    void Paint(HDC dc);
    void PaintBuffered(HDC dc, const RECT& area);

    HBRUSH patternBrush_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace tarnwick
