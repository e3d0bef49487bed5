#include "engine/TextDigest.h"

#include <algorithm>

namespace tarnwick {

std::string TextDigest(const std::string& text) {
    // Unsigned 32-bit arithmetic throughout: the digest relies on its wrap-around.
    const uint32_t length = static_cast<uint32_t>(text.size());
    std::string digest(text.size(), '\0');
    uint32_t acc = 0;
    for (uint32_t i = 1; i <= length; ++i) {
        const uint32_t ch = static_cast<uint8_t>(text[i - 1]);
        acc = acc + ch + (length - i) * acc;
        uint32_t v = ch * acc + i;
        // v mod 90 may land below "0"; lifting it by 48 may overshoot "Z", so repeat until it fits.
        do {
            v %= 90;
            if (v < 48) v += 48;
        } while (v < 48 || v > 90);
        digest[i - 1] = static_cast<char>(v);
    }
    return digest;
}

std::string ComputeIntegrityCode(const std::vector<std::string>& settings) {
    uint32_t sum = 0;
    const size_t covered = std::min<size_t>(settings.size(), IntegrityCoveredSettings);
    for (size_t i = 0; i < covered; ++i) {
        for (char byte : settings[i]) sum += static_cast<uint8_t>(byte);
    }
    return TextDigest(std::to_string(sum));
}

}  // namespace tarnwick
