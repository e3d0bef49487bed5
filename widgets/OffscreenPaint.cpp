#include "widgets/OffscreenPaint.h"

namespace tarnwick {

namespace {

struct SharedBuffer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr;
    int width = 0;
    int height = 0;
    bool inUse = false;
};

// GUI thread only, like all painting. Kept until the process ends.
SharedBuffer& Shared() {
    static SharedBuffer buffer;
    return buffer;
}

}  // namespace

OffscreenPaint::OffscreenPaint(HDC target, int width, int height) {
    if (width <= 0 || height <= 0) return;
    SharedBuffer& shared = Shared();
    if (!shared.inUse) {
        if (!shared.dc) shared.dc = CreateCompatibleDC(target);
        if (shared.dc && (width > shared.width || height > shared.height || !shared.bitmap)) {
            // Grows only, so that windows of different sizes do not make it again and again.
            int newWidth = width > shared.width ? width : shared.width;
            int newHeight = height > shared.height ? height : shared.height;
            HBITMAP bigger = CreateCompatibleBitmap(target, newWidth, newHeight);
            if (bigger) {
                HGDIOBJ previous = SelectObject(shared.dc, bigger);
                if (!shared.original) shared.original = previous;
                if (shared.bitmap) DeleteObject(shared.bitmap);
                shared.bitmap = bigger;
                shared.width = newWidth;
                shared.height = newHeight;
            }
        }
        if (shared.dc && shared.bitmap && width <= shared.width && height <= shared.height) {
            shared.inUse = true;
            shared_ = true;
            dc_ = shared.dc;
            return;
        }
    }
    dc_ = CreateCompatibleDC(target);
    ownBitmap_ = dc_ ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!ownBitmap_) {
        if (dc_) DeleteDC(dc_);
        dc_ = nullptr;
        return;
    }
    oldBitmap_ = SelectObject(dc_, ownBitmap_);
}

OffscreenPaint::~OffscreenPaint() {
    if (shared_) {
        Shared().inUse = false;
        return;
    }
    if (!dc_) return;
    SelectObject(dc_, oldBitmap_);
    DeleteObject(ownBitmap_);
    DeleteDC(dc_);
}

void OffscreenPaint::CopyTo(HDC target, const RECT& area) const {
    if (!dc_) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left, area.top,
           SRCCOPY);
}

}  // namespace tarnwick
