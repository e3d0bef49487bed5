// Pictures from BMP file bytes: every pixel format the package may hold, damaged files refused
// without reading outside them, and drawing with a transparent colour checked pixel by pixel.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "widgets/Bitmap.h"

using namespace tarnwick;

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
void PutAt32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

// The test picture, top row first: red green blue / white black red.
const int gridWidth = 3;
const int gridHeight = 2;
const COLORREF grid[gridHeight][gridWidth] = {
    {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
    {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 0, 0)},
};
const std::vector<COLORREF> palette = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255),
                                       RGB(0, 0, 0)};

int PaletteIndex(COLORREF color) {
    for (size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == color) return static_cast<int>(i);
    }
    return 0;
}

enum class Layout { Bottom24, TopDown24, Bits32, Palette8, Palette4, Rle8, Bits555, Fields565, Core24 };

// The test picture as a BMP file in the given layout.
std::vector<uint8_t> GridBmp(Layout layout) {
    int bitCount = 24;
    uint32_t compression = BI_RGB;
    uint32_t colors = 0;
    switch (layout) {
    case Layout::Bits32: bitCount = 32; break;
    case Layout::Palette8: bitCount = 8; colors = static_cast<uint32_t>(palette.size()); break;
    case Layout::Palette4: bitCount = 4; colors = static_cast<uint32_t>(palette.size()); break;
    case Layout::Rle8: bitCount = 8; compression = BI_RLE8; colors = static_cast<uint32_t>(palette.size()); break;
    case Layout::Bits555: bitCount = 16; break;
    case Layout::Fields565: bitCount = 16; compression = BI_BITFIELDS; break;
    default: break;
    }
    const bool core = layout == Layout::Core24;
    const bool topDown = layout == Layout::TopDown24;

    std::vector<uint8_t> pixels;
    for (int r = 0; r < gridHeight; ++r) {
        const int row = topDown ? r : gridHeight - 1 - r;  // BMP rows run bottom-up
        std::vector<uint8_t> line;
        if (layout == Layout::Rle8) {
            for (int x = 0; x < gridWidth; ++x) {
                line.push_back(1);
                line.push_back(static_cast<uint8_t>(PaletteIndex(grid[row][x])));
            }
            line.push_back(0);
            line.push_back(r == gridHeight - 1 ? 1 : 0);  // end of line, end of picture
            pixels.insert(pixels.end(), line.begin(), line.end());
            continue;
        }
        for (int x = 0; x < gridWidth; ++x) {
            COLORREF c = grid[row][x];
            uint32_t red = GetRValue(c), green = GetGValue(c), blue = GetBValue(c);
            switch (bitCount) {
            case 24: line.insert(line.end(), {uint8_t(blue), uint8_t(green), uint8_t(red)}); break;
            case 32: line.insert(line.end(), {uint8_t(blue), uint8_t(green), uint8_t(red), 0}); break;
            case 8: line.push_back(static_cast<uint8_t>(PaletteIndex(c))); break;
            case 4:
                if (x % 2 == 0) line.push_back(static_cast<uint8_t>(PaletteIndex(c) << 4));
                else line.back() |= static_cast<uint8_t>(PaletteIndex(c));
                break;
            case 16:
                if (compression == BI_BITFIELDS) {
                    Put16(line, ((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
                } else {
                    Put16(line, ((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
                }
                break;
            }
        }
        while (line.size() % 4) line.push_back(0);
        pixels.insert(pixels.end(), line.begin(), line.end());
    }

    std::vector<uint8_t> header;
    if (core) {
        Put32(header, 12);
        Put16(header, gridWidth);
        Put16(header, gridHeight);
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(bitCount));
    } else {
        Put32(header, 40);
        Put32(header, gridWidth);
        Put32(header, static_cast<uint32_t>(topDown ? -gridHeight : gridHeight));
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(bitCount));
        Put32(header, compression);
        Put32(header, static_cast<uint32_t>(pixels.size()));
        Put32(header, 2835);
        Put32(header, 2835);
        Put32(header, colors);
        Put32(header, 0);
        if (compression == BI_BITFIELDS) {
            Put32(header, 0xF800);
            Put32(header, 0x07E0);
            Put32(header, 0x001F);
        }
        for (uint32_t i = 0; i < colors; ++i) {
            COLORREF c = palette[i];
            header.insert(header.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
        }
    }

    std::vector<uint8_t> file = {'B', 'M'};
    Put32(file, static_cast<uint32_t>(14 + header.size() + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + header.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace

TEST(WidgetBitmap, EveryPixelFormatGivesThePicture) {
    struct Case {
        const char* name;
        Layout layout;
        int tolerance;  // 16-bit pixels lose the low bits of each component
    } cases[] = {
        {"24 bits, bottom-up", Layout::Bottom24, 0},
        {"24 bits, top-down", Layout::TopDown24, 0},
        {"32 bits", Layout::Bits32, 0},
        {"8-bit palette", Layout::Palette8, 0},
        {"4-bit palette", Layout::Palette4, 0},
        {"8-bit run-length", Layout::Rle8, 0},
        {"16 bits 5-5-5", Layout::Bits555, 8},
        {"16 bits 5-6-5 fields", Layout::Fields565, 8},
        {"old core header", Layout::Core24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap picture = Bitmap::FromBmpBytes(GridBmp(c.layout));
        ASSERT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), gridWidth);
        EXPECT_EQ(picture.Height(), gridHeight);
        for (int y = 0; y < gridHeight; ++y) {
            for (int x = 0; x < gridWidth; ++x) {
                EXPECT_TRUE(Near(picture.PixelAt(x, y), grid[y][x], c.tolerance))
                    << "pixel (" << x << ", " << y << ") is " << std::hex << picture.PixelAt(x, y);
            }
        }
        EXPECT_EQ(picture.PixelAt(gridWidth, 0), CLR_INVALID);
        EXPECT_EQ(picture.PixelAt(-1, 0), CLR_INVALID);
    }
}

TEST(WidgetBitmap, DamagedFilesGiveNoPicture) {
    const std::vector<uint8_t> good = GridBmp(Layout::Bottom24);
    const std::vector<uint8_t> rle = GridBmp(Layout::Rle8);
    const std::vector<uint8_t> paletted = GridBmp(Layout::Palette8);
    auto with = [](std::vector<uint8_t> bytes, size_t at, uint32_t value) {
        PutAt32(bytes, at, value);
        return bytes;
    };
    auto cut = [](std::vector<uint8_t> bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto with16 = [](std::vector<uint8_t> bytes, size_t at, uint16_t value) {
        bytes[at] = static_cast<uint8_t>(value);
        bytes[at + 1] = static_cast<uint8_t>(value >> 8);
        return bytes;
    };
    // Offsets: 10 pixel data offset; 14 header size; 18 width; 22 height; 26 planes; 28 bits per
    // pixel; 30 compression; 34 image size; 46 colours used.
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"not a BMP", with16(good, 0, 0x5A4D)},
        {"cut inside the header", cut(good, 30)},
        {"cut inside the pixels", cut(good, good.size() - 1)},
        {"pixel data offset past the end", with(good, 10, 100000)},
        {"pixel data offset near 4 GB", with(good, 10, 0xFFFFFFF0u)},
        {"header size past the end", with(good, 14, 5000)},
        {"header size too small", with(good, 14, 20)},
        {"zero width", with(good, 18, 0)},
        {"negative width", with(good, 18, static_cast<uint32_t>(-3))},
        {"zero height", with(good, 22, 0)},
        {"huge sides", with(with(good, 18, 1000000), 22, 1000000)},
        {"two planes", with16(good, 26, 2)},
        {"7 bits per pixel", with16(good, 28, 7)},
        {"JPEG inside", with(good, 30, BI_JPEG)},
        {"run-length for 24 bits", with(good, 30, BI_RLE8)},
        {"run-length without its size", with(rle, 34, 0)},
        {"run-length size past the end", with(rle, 34, 100000)},
        {"palette past the end", cut(paletted, 14 + 40 + 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Bitmap::FromBmpBytes(c.bytes).Empty());
    }
    EXPECT_TRUE(Bitmap::FromBmpBytes(nullptr, 0).Empty());
    EXPECT_TRUE(Bitmap::FromBmpFile("Z:\\no\\such\\picture.bmp").Empty());
    EXPECT_FALSE(Bitmap::FromBmpBytes(good).Empty()) << "the undamaged file loads";
}

TEST(WidgetBitmap, TransparentDrawingLeavesTheCornerColourOut) {
    // The picture's corner (0, 0) is red, and so is its bottom-right pixel.
    Bitmap picture = Bitmap::FromBmpBytes(GridBmp(Layout::Bottom24));
    ASSERT_FALSE(picture.Empty());
    const COLORREF backdrop = RGB(10, 20, 30);
    Bitmap canvas = Bitmap::CreateCompatible(6, 4);
    ASSERT_FALSE(canvas.Empty());

    struct Case {
        const char* name;
        bool transparent;
        int x, y;
    } cases[] = {
        {"opaque", false, 1, 1},
        {"transparent by the corner", true, 1, 1},
        {"transparent, cut at the left edge", true, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            BitmapCanvas target(canvas);
            RECT all{0, 0, 6, 4};
            HBRUSH brush = CreateSolidBrush(backdrop);
            FillRect(target.Dc(), &all, brush);
            DeleteObject(brush);
            if (c.transparent) {
                picture.DrawTransparentByCorner(target.Dc(), c.x, c.y);
            } else {
                picture.Draw(target.Dc(), c.x, c.y);
            }
        }
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                int px = x - c.x, py = y - c.y;
                COLORREF expected = backdrop;
                if (px >= 0 && py >= 0 && px < gridWidth && py < gridHeight) {
                    COLORREF own = grid[py][px];
                    if (!(c.transparent && own == grid[0][0])) expected = own;
                }
                EXPECT_EQ(canvas.PixelAt(x, y), expected) << "at (" << x << ", " << y << ")";
            }
        }
    }

    // Black is the page icons' transparent colour; the mask follows the colour asked for.
    {
        BitmapCanvas target(canvas);
        RECT all{0, 0, 6, 4};
        HBRUSH brush = CreateSolidBrush(backdrop);
        FillRect(target.Dc(), &all, brush);
        DeleteObject(brush);
        picture.DrawTransparent(target.Dc(), 0, 0, RGB(0, 0, 0));
    }
    EXPECT_EQ(canvas.PixelAt(1, 1), backdrop) << "the black pixel is left out";
    EXPECT_EQ(canvas.PixelAt(0, 0), grid[0][0]) << "red is drawn this time";
}

TEST(WidgetBitmap, StretchDrawCoversTheTarget) {
    Bitmap picture = Bitmap::FromBmpBytes(GridBmp(Layout::Bottom24));
    Bitmap canvas = Bitmap::CreateCompatible(30, 20);
    {
        BitmapCanvas target(canvas);
        picture.StretchDraw(target.Dc(), {0, 0, 30, 20}, COLORONCOLOR);
    }
    EXPECT_EQ(canvas.PixelAt(2, 2), grid[0][0]);
    EXPECT_EQ(canvas.PixelAt(27, 17), grid[1][2]);
    EXPECT_EQ(canvas.PixelAt(15, 5), grid[0][1]);
}
