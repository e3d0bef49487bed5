#pragma once
// Painting through an off-screen bitmap, against flicker: everything is drawn into memory and
// then copied to the window in one go.
//
// One buffer is shared by all windows of the GUI thread and kept between paints: making a bitmap
// for every paint costs more than the paint itself (a progress bar advanced once per installed
// file repaints hundreds of times). A paint that starts while the shared buffer is in use (a
// paint inside a paint) gets a buffer of its own.

#include <windows.h>

namespace tarnwick {

class OffscreenPaint {
public:
    // A buffer of at least width x height, compatible with target.
    OffscreenPaint(HDC target, int width, int height);
    OffscreenPaint(const OffscreenPaint&) = delete;
    OffscreenPaint& operator=(const OffscreenPaint&) = delete;
    ~OffscreenPaint();

    // Null when no buffer could be made: the caller then paints the target directly.
    HDC Dc() const { return dc_; }
    // Copies the area (the same coordinates in both) to the target.
    void CopyTo(HDC target, const RECT& area) const;

private:
    HDC dc_ = nullptr;
    HBITMAP ownBitmap_ = nullptr;  // only for a buffer of its own
    HGDIOBJ oldBitmap_ = nullptr;
    bool shared_ = false;
};

}  // namespace tarnwick
