#include "engine/RegistryData.h"

#include "package/SetupModel.h"

namespace tarnwick {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

uint8_t HexPairValue(char first, char second) {
    const char pair[2] = {first, second};
    size_t at = pair[0] == '$' ? 1 : 0;
    unsigned value = 0;
    for (; at < 2 && HexDigitValue(pair[at]) >= 0; ++at) value = value * 16 + static_cast<unsigned>(HexDigitValue(pair[at]));
    return static_cast<uint8_t>(value);
}

}  // namespace

std::vector<uint8_t> HexPairsToBytes(const std::string& text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) bytes.push_back(HexPairValue(text[i], text[i + 1]));
    return bytes;
}

uint32_t DecimalToDword(const std::string& text) { return static_cast<uint32_t>(ParseDecimal(text)); }

}  // namespace tarnwick
