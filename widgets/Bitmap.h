#pragma once
// Pictures: GDI bitmaps made from BMP file bytes (the package keeps its pictures as BMP files),
// drawn opaque, stretched, or with one colour left out (transparent drawing).

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap();

    // A screen-compatible bitmap from the bytes of a BMP file (1, 4, 8, 16, 24 or 32 bits per
    // pixel, uncompressed, RLE or bit fields). Bytes that do not hold a whole, sane BMP give an
    // empty bitmap: nothing is read outside them.
    static Bitmap FromBmpBytes(const uint8_t* data, size_t size);
    static Bitmap FromBmpBytes(const std::vector<uint8_t>& bytes) {
        return FromBmpBytes(bytes.data(), bytes.size());
    }
    static Bitmap FromBmpFile(const std::string& path);
    // An uninitialised screen-compatible bitmap, to paint into (see BitmapCanvas).
    static Bitmap CreateCompatible(int width, int height);

    bool Empty() const { return bitmap_ == nullptr; }
    HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // CLR_INVALID outside the bitmap.
    COLORREF PixelAt(int x, int y) const;

    void Draw(HDC dc, int x, int y) const;
    // Draws every pixel except those of colour `transparent`, which leave the target as it was.
    void DrawTransparent(HDC dc, int x, int y, COLORREF transparent) const;
    // Transparent by the colour of the picture's own pixel (0, 0).
    void DrawTransparentByCorner(HDC dc, int x, int y) const { DrawTransparent(dc, x, y, PixelAt(0, 0)); }
    void StretchDraw(HDC dc, const RECT& target, int stretchMode = HALFTONE) const;

private:
    void Reset();
    void BuildMask(COLORREF transparent) const;

    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    // Transparent drawing's mask and the picture with its transparent pixels blacked out, kept
    // for the last colour asked for (paint handlers draw the same picture again and again).
    mutable HBITMAP mask_ = nullptr;
    mutable HBITMAP blackened_ = nullptr;
    mutable COLORREF maskColor_ = CLR_INVALID;
};

// A memory DC with a bitmap selected into it, for as long as the canvas lives.
class BitmapCanvas {
public:
    explicit BitmapCanvas(HBITMAP bitmap);
    explicit BitmapCanvas(const Bitmap& bitmap) : BitmapCanvas(bitmap.Handle()) {}
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;
    ~BitmapCanvas();

    HDC Dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace tarnwick
