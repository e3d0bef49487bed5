#include "builder/AnsiText.h"

#include <stdexcept>

namespace tarnwick {

namespace {

// Windows-1252's bytes 0x80..0x9F; 0 where the code page has no character.
const char32_t HighControlRange[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (HighControlRange[i] == c && c != 0) return static_cast<char>(0x80 + i);
    }
    throw std::invalid_argument("a character outside the Western (Windows-1252) code page");
}

}  // namespace

std::string Windows1252FromUtf8(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<size_t>(length) > utf8.size()) throw std::invalid_argument("malformed UTF-8");
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            if ((next >> 6) != 0x2) throw std::invalid_argument("malformed UTF-8");
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(Windows1252Byte(c));
        i += static_cast<size_t>(length);
    }
    return out;
}

}  // namespace tarnwick
