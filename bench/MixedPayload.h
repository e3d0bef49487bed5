#pragma once
// Payload generator for benchmarks: a mix like an application's files — program-like bytes with
// repeated structure, text, runs of zeros and incompressible noise.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline std::vector<uint8_t> MixedPayload(size_t size, uint32_t seed = 7) {
    std::mt19937 random(seed);
    static const char* words[] = {"install", "folder", "registry", "shortcut", "program", "files", "the",
                                  "setup", "window", "message", "value", "key", "of", "and", "to", "a"};
    std::vector<uint8_t> out;
    out.reserve(size);
    while (out.size() < size) {
        size_t piece = 4096 + random() % 65536;
        switch (random() % 8) {
        case 0:  // noise (already-compressed data)
            for (size_t i = 0; i < piece; ++i) out.push_back(static_cast<uint8_t>(random()));
            break;
        case 1:  // zeros (padding, sparse tables)
            out.insert(out.end(), piece, 0);
            break;
        case 2: case 3: case 4: {  // text
            std::string text;
            while (text.size() < piece) {
                text += words[random() % 16];
                text += random() % 12 == 0 ? ".\r\n" : " ";
            }
            out.insert(out.end(), text.begin(), text.end());
            break;
        }
        default: {  // machine-code-like: small structures with varying fields
            for (size_t i = 0; i < piece; i += 8) {
                uint32_t field = random() % 4096;
                uint8_t record[8] = {0x8B, 0x45, static_cast<uint8_t>(field), static_cast<uint8_t>(field >> 8),
                                     0xE8, static_cast<uint8_t>(random() % 16), 0x00, 0x00};
                out.insert(out.end(), record, record + 8);
            }
        }
        }
    }
    out.resize(size);
    return out;
}

}  // namespace bench
