#include "widgets/Font.h"

namespace tarnwick {

void ApplyStyleBits(FontSpec& spec, unsigned bits) {
    if (bits & 1) {
        if (spec.weight < FW_BOLD) spec.weight = FW_BOLD;
    } else if (spec.weight >= FW_BOLD) {
        spec.weight = FW_NORMAL;
    }
    spec.italic = (bits & 2) != 0;
    spec.underline = (bits & 4) != 0;
    spec.strikeout = (bits & 8) != 0;
}

Font::Font(const FontSpec& spec) {
    LOGFONTA log{};
    log.lfHeight = spec.height;
    log.lfWeight = spec.weight;
    log.lfItalic = spec.italic;
    log.lfUnderline = spec.underline;
    log.lfStrikeOut = spec.strikeout;
    log.lfCharSet = static_cast<BYTE>(spec.charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // A longer face name is cut: the system maps the font by name and takes at most 31 characters.
    lstrcpynA(log.lfFaceName, spec.face.c_str(), LF_FACESIZE);
    font_ = CreateFontIndirectA(&log);
}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        if (font_) DeleteObject(font_);
        font_ = other.font_;
        other.font_ = nullptr;
    }
    return *this;
}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

}  // namespace tarnwick
