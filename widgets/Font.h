#pragma once
// Fonts by description (a LOGFONT's face, height, weight, character set and style flags).

#include <windows.h>

#include <string>

namespace tarnwick {

struct FontSpec {
    std::string face = "Tahoma";
    // LOGFONT lfHeight: negative = character height in pixels, positive = cell height.
    int height = -11;
    int weight = FW_NORMAL;
    int charset = DEFAULT_CHARSET;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// The style bits the setup script stores for a font: 1 bold, 2 italic, 4 underline, 8 strikeout.
// Bold raises the weight to at least 700; without it a weight of 700 or more falls back to normal.
void ApplyStyleBits(FontSpec& spec, unsigned bits);

// An owned HFONT. Move-only.
class Font {
public:
    Font() = default;
    explicit Font(const FontSpec& spec);
    Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    HFONT Handle() const { return font_; }

private:
    HFONT font_ = nullptr;
};

}  // namespace tarnwick
