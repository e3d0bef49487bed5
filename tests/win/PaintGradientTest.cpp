// The gradient painted for real through GDI: every pixel of the surface holds its colour step.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "ui/Gradient.h"
#include "ui/win32/PaintGradient.h"

using namespace tarnwick;

namespace {

constexpr COLORREF Marker = RGB(1, 254, 3);  // never a step of the gradients below

// A 32-bit top-down surface filled with the marker, painted by PaintGradient, read back.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i) pixels_[i] = ToPixel(Marker);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        uint32_t p = pixels_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    static uint32_t ToPixel(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// Counts the pixels that differ from the step of their row (vertical) or column.
int WrongPixels(const Surface& surface, int width, int height, bool vertical, const std::vector<uint32_t>& steps) {
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (surface.At(x, y) != steps[static_cast<size_t>(vertical ? y : x)]) ++wrong;
        }
    }
    return wrong;
}

}  // namespace

TEST(PaintGradient, EveryPixelHoldsItsStepInBothDirections) {
    struct Case {
        const char* what;
        int width, height;
        bool vertical;
        COLORREF from, to;
    } cases[] = {
        {"top to bottom, width not a multiple of 32", 100, 50, true, RGB(0, 0, 128), RGB(0, 0, 0)},
        {"top to bottom, width an exact multiple", 64, 40, true, RGB(255, 255, 255), RGB(0, 0, 0)},
        {"left to right, height not a multiple of 32", 90, 45, false, RGB(200, 10, 30), RGB(20, 240, 90)},
        {"one pixel high", 70, 1, false, RGB(0, 0, 0), RGB(255, 128, 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Surface surface(c.width, c.height);
        PaintGradient(surface.Dc(), c.width, c.height, c.vertical, c.from, c.to);
        std::vector<uint32_t> steps = GradientSteps(c.vertical ? c.height : c.width, c.from, c.to);
        EXPECT_EQ(WrongPixels(surface, c.width, c.height, c.vertical, steps), 0);
        EXPECT_EQ(surface.At(0, 0), c.from);
        // The end colour is never painted: the far edge holds the last step, one short of it.
        COLORREF farEdge = surface.At(c.width - 1, c.height - 1);
        if (c.from != c.to && (c.vertical ? c.height : c.width) > 1) {
            EXPECT_NE(farEdge, c.to);
        }
    }
}

TEST(PaintGradient, SystemColoursAreResolvedAndEqualColoursAreUniform) {
    Surface surface(40, 33);
    const uint32_t windowColour = 0x80000000u | COLOR_WINDOW;  // stored as 2147483653
    PaintGradient(surface.Dc(), 40, 33, true, windowColour, windowColour);
    std::vector<uint32_t> uniform(33, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(WrongPixels(surface, 40, 33, true, uniform), 0);
}
