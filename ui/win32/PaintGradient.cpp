#include "ui/win32/PaintGradient.h"

#include <vector>

#include "ui/Gradient.h"
#include "widgets/Color.h"

namespace tarnwick {

namespace {

// A 24-bit top-down DIB section of 1 x n (vertical) or n x 1 pixels holding the colour steps.
HBITMAP CreateStrip(const std::vector<uint32_t>& steps, bool vertical) {
    const int n = static_cast<int>(steps.size());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = vertical ? 1 : n;
    info.bmiHeader.biHeight = -(vertical ? n : 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!strip || !bits) return strip;
    // Rows of a DIB are padded to whole DWORDs.
    const size_t rowBytes = (static_cast<size_t>(info.bmiHeader.biWidth) * 3 + 3) & ~static_cast<size_t>(3);
    auto* pixels = static_cast<uint8_t*>(bits);
    for (int i = 0; i < n; ++i) {
        uint8_t* pixel = vertical ? pixels + rowBytes * static_cast<size_t>(i) : pixels + 3 * static_cast<size_t>(i);
        // DIB pixels are blue, green, red; a step is 0x00BBGGRR.
        pixel[0] = static_cast<uint8_t>(steps[static_cast<size_t>(i)] >> 16);
        pixel[1] = static_cast<uint8_t>(steps[static_cast<size_t>(i)] >> 8);
        pixel[2] = static_cast<uint8_t>(steps[static_cast<size_t>(i)]);
    }
    GdiFlush();
    return strip;
}

}  // namespace

void PaintGradient(HDC dc, int width, int height, bool vertical, uint32_t colour1, uint32_t colour2) {
    const int n = vertical ? height : width;
    if (n <= 0 || width <= 0 || height <= 0) return;
    std::vector<uint32_t> steps = GradientSteps(n, ResolveColor(colour1), ResolveColor(colour2));
    HBITMAP strip = CreateStrip(steps, vertical);
    if (!strip) return;

    const int bandWidth = vertical ? GradientBandSize : n;
    const int bandHeight = vertical ? n : GradientBandSize;
    HDC screen = GetDC(nullptr);
    HBITMAP band = CreateCompatibleBitmap(screen, bandWidth, bandHeight);
    HDC stripDc = CreateCompatibleDC(screen);
    HDC bandDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (band && stripDc && bandDc) {
        HGDIOBJ oldStrip = SelectObject(stripDc, strip);
        HGDIOBJ oldBand = SelectObject(bandDc, band);
        SetStretchBltMode(bandDc, HALFTONE);
        // HALFTONE uses the brush origin; it must be set again after the mode is chosen.
        SetBrushOrgEx(bandDc, 0, 0, nullptr);
        StretchBlt(bandDc, 0, 0, bandWidth, bandHeight, stripDc, 0, 0, vertical ? 1 : n, vertical ? n : 1, SRCCOPY);

        const int bands = GradientBandCount(vertical ? width : height);
        for (int k = 0; k < bands; ++k) {
            const int x = vertical ? GradientBandSize * k : 0;
            const int y = vertical ? 0 : GradientBandSize * k;
            BitBlt(dc, x, y, bandWidth, bandHeight, bandDc, 0, 0, SRCCOPY);
        }
        SelectObject(bandDc, oldBand);
        SelectObject(stripDc, oldStrip);
    }
    if (bandDc) DeleteDC(bandDc);
    if (stripDc) DeleteDC(stripDc);
    if (band) DeleteObject(band);
    DeleteObject(strip);
}

}  // namespace tarnwick
