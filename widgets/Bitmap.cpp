#include "widgets/Bitmap.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace tarnwick {

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

constexpr size_t fileHeaderSize = 14;
constexpr size_t coreHeaderSize = 12;    // BITMAPCOREHEADER (OS/2)
constexpr size_t infoHeaderSize = 40;    // BITMAPINFOHEADER; V4 and V5 headers extend it
// A picture of the wizard is at most screen-sized; this bounds the memory a damaged header can ask for.
constexpr int64_t maxSide = 16384;
constexpr int64_t maxPixels = 32 * 1024 * 1024;

// A BMP file checked and rewritten as what SetDIBits takes: a BITMAPINFOHEADER followed by
// bit-field masks or colour table, and a pointer to the pixel data inside the file's bytes.
struct ParsedBmp {
    std::vector<uint8_t> info;
    const uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;  // rows; the header's sign (top-down) stays in `info`
};

bool ParseBmp(const uint8_t* data, size_t size, ParsedBmp& out) {
    if (!data || size < fileHeaderSize + coreHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t pixelOffset = U32(data + 10);
    const uint32_t headerSize = U32(data + fileHeaderSize);
    const uint8_t* header = data + fileHeaderSize;

    int64_t width = 0, height = 0;
    uint32_t planes = 0, bitCount = 0, compression = BI_RGB, imageSize = 0, colorsUsed = 0;
    size_t tableOffset = 0;
    bool core = headerSize == coreHeaderSize;
    if (core) {
        width = U16(header + 4);
        height = U16(header + 6);
        planes = U16(header + 8);
        bitCount = U16(header + 10);
        tableOffset = fileHeaderSize + coreHeaderSize;
    } else {
        if (headerSize < infoHeaderSize || headerSize > size - fileHeaderSize) return false;
        width = static_cast<int32_t>(U32(header + 4));
        height = static_cast<int32_t>(U32(header + 8));
        planes = U16(header + 12);
        bitCount = U16(header + 14);
        compression = U32(header + 16);
        imageSize = U32(header + 20);
        colorsUsed = U32(header + 32);
        tableOffset = fileHeaderSize + headerSize;
    }

    const int64_t rows = height < 0 ? -height : height;
    if (planes != 1 || width <= 0 || rows == 0 || width > maxSide || rows > maxSide || width * rows > maxPixels) {
        return false;
    }
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
    if (compression == BI_RLE8 && bitCount != 8) return false;
    if (compression == BI_RLE4 && bitCount != 4) return false;
    if (compression == BI_BITFIELDS && bitCount != 16 && bitCount != 32) return false;
    if (compression != BI_RGB && !rle && compression != BI_BITFIELDS) return false;  // JPEG, PNG ...
    if (rle && height < 0) return false;  // compressed pictures are bottom-up by definition

    // Bit-field masks: after a plain info header; inside V4 and V5 headers at the same place.
    uint8_t masks[12] = {};
    if (compression == BI_BITFIELDS) {
        size_t maskOffset = fileHeaderSize + infoHeaderSize;
        if (maskOffset + 12 > size) return false;
        std::memcpy(masks, data + maskOffset, 12);
        if (headerSize == infoHeaderSize) tableOffset += 12;
    }

    uint32_t colors = 0;
    if (bitCount <= 8) {
        uint32_t most = 1u << bitCount;
        colors = (colorsUsed == 0 || colorsUsed > most) ? most : colorsUsed;
    }
    const size_t entrySize = core ? 3 : 4;
    if (tableOffset > size || colors * entrySize > size - tableOffset) return false;

    if (pixelOffset >= size) return false;
    const size_t available = size - pixelOffset;
    if (rle) {
        if (imageSize == 0 || imageSize > available) return false;
    } else {
        const int64_t stride = ((width * bitCount + 31) / 32) * 4;
        if (stride * rows > static_cast<int64_t>(available)) return false;
        imageSize = static_cast<uint32_t>(stride * rows);
    }

    out.info.assign(infoHeaderSize + (compression == BI_BITFIELDS ? 12 : 0) + colors * 4, 0);
    BITMAPINFOHEADER info{};
    info.biSize = infoHeaderSize;
    info.biWidth = static_cast<LONG>(width);
    info.biHeight = static_cast<LONG>(height);
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bitCount);
    info.biCompression = compression;
    info.biSizeImage = imageSize;
    info.biClrUsed = colors;
    std::memcpy(out.info.data(), &info, sizeof info);
    uint8_t* after = out.info.data() + infoHeaderSize;
    if (compression == BI_BITFIELDS) {
        std::memcpy(after, masks, 12);
        after += 12;
    }
    for (uint32_t i = 0; i < colors; ++i) {
        const uint8_t* entry = data + tableOffset + i * entrySize;
        after[i * 4 + 0] = entry[0];  // blue
        after[i * 4 + 1] = entry[1];  // green
        after[i * 4 + 2] = entry[2];  // red
    }
    out.pixels = data + pixelOffset;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(rows);
    return true;
}

}  // namespace

Bitmap::Bitmap(Bitmap&& other) noexcept { *this = std::move(other); }

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        Reset();
        bitmap_ = other.bitmap_;
        width_ = other.width_;
        height_ = other.height_;
        mask_ = other.mask_;
        blackened_ = other.blackened_;
        maskColor_ = other.maskColor_;
        other.bitmap_ = other.mask_ = other.blackened_ = nullptr;
        other.width_ = other.height_ = 0;
        other.maskColor_ = CLR_INVALID;
    }
    return *this;
}

Bitmap::~Bitmap() { Reset(); }

void Bitmap::Reset() {
    for (HBITMAP* handle : {&bitmap_, &mask_, &blackened_}) {
        if (*handle) DeleteObject(*handle);
        *handle = nullptr;
    }
    width_ = height_ = 0;
    maskColor_ = CLR_INVALID;
}

Bitmap Bitmap::FromBmpBytes(const uint8_t* data, size_t size) {
    ParsedBmp parsed;
    if (!ParseBmp(data, size, parsed)) return {};
    Bitmap result;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, parsed.width, parsed.height);
    if (bitmap) {
        auto* info = reinterpret_cast<const BITMAPINFO*>(parsed.info.data());
        UINT rows = static_cast<UINT>(parsed.height);
        if (SetDIBits(screen, bitmap, 0, rows, parsed.pixels, info, DIB_RGB_COLORS) > 0) {
            result.bitmap_ = bitmap;
            result.width_ = parsed.width;
            result.height_ = parsed.height;
        } else {
            DeleteObject(bitmap);
        }
    }
    ReleaseDC(nullptr, screen);
    return result;
}

Bitmap Bitmap::FromBmpFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return FromBmpBytes(bytes);
}

Bitmap Bitmap::CreateCompatible(int width, int height) {
    Bitmap result;
    if (width <= 0 || height <= 0) return result;
    HDC screen = GetDC(nullptr);
    result.bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (result.bitmap_) {
        result.width_ = width;
        result.height_ = height;
    }
    return result;
}

COLORREF Bitmap::PixelAt(int x, int y) const {
    if (!bitmap_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    BitmapCanvas canvas(bitmap_);
    return GetPixel(canvas.Dc(), x, y);
}

void Bitmap::Draw(HDC dc, int x, int y) const {
    if (!bitmap_) return;
    BitmapCanvas canvas(bitmap_);
    BitBlt(dc, x, y, width_, height_, canvas.Dc(), 0, 0, SRCCOPY);
}

void Bitmap::StretchDraw(HDC dc, const RECT& target, int stretchMode) const {
    if (!bitmap_) return;
    BitmapCanvas canvas(bitmap_);
    int oldMode = SetStretchBltMode(dc, stretchMode);
    POINT oldOrigin;
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // HALFTONE needs it after a mode change
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, canvas.Dc(), 0,
               0, width_, height_, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

void Bitmap::BuildMask(COLORREF transparent) const {
    if (mask_ && maskColor_ == transparent) return;
    if (mask_) DeleteObject(mask_);
    if (blackened_) DeleteObject(blackened_);
    mask_ = CreateBitmap(width_, height_, 1, 1, nullptr);
    HDC screen = GetDC(nullptr);
    blackened_ = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(nullptr, screen);
    maskColor_ = transparent;
    if (!mask_ || !blackened_) return;

    BitmapCanvas picture(bitmap_);
    BitmapCanvas mask(mask_);
    BitmapCanvas blackened(blackened_);
    // Colour to monochrome: pixels of the source's background colour become 1, all others 0.
    SetBkColor(picture.Dc(), transparent);
    BitBlt(mask.Dc(), 0, 0, width_, height_, picture.Dc(), 0, 0, SRCCOPY);
    // The picture with its transparent pixels black. Monochrome to colour: 1 bits take the
    // destination's background colour, 0 bits its text colour; ANDed: 1 -> black, 0 -> unchanged.
    BitBlt(blackened.Dc(), 0, 0, width_, height_, picture.Dc(), 0, 0, SRCCOPY);
    SetBkColor(blackened.Dc(), RGB(0, 0, 0));
    ::SetTextColor(blackened.Dc(), RGB(255, 255, 255));
    BitBlt(blackened.Dc(), 0, 0, width_, height_, mask.Dc(), 0, 0, SRCAND);
}

void Bitmap::DrawTransparent(HDC dc, int x, int y, COLORREF transparent) const {
    if (!bitmap_) return;
    BuildMask(transparent);
    if (!mask_ || !blackened_) {
        Draw(dc, x, y);
        return;
    }
    BitmapCanvas mask(mask_);
    BitmapCanvas blackened(blackened_);
    // Black out where the picture is opaque (mask 0 -> black, 1 -> white keeps the target),
    // then OR the picture in: transparent pixels are black in it and leave the target as it was.
    COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, width_, height_, mask.Dc(), 0, 0, SRCAND);
    BitBlt(dc, x, y, width_, height_, blackened.Dc(), 0, 0, SRCPAINT);
    SetBkColor(dc, oldBack);
    ::SetTextColor(dc, oldText);
}

BitmapCanvas::BitmapCanvas(HBITMAP bitmap) {
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ && bitmap) old_ = SelectObject(dc_, bitmap);
}

BitmapCanvas::~BitmapCanvas() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
}

}  // namespace tarnwick
