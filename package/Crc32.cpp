#include "package/Crc32.h"

#include <atomic>

namespace tarnwick {

namespace {

// Slicing-by-4 tables; table[0] is the classic 256-entry table. Built on first use: filling the
// same values twice is harmless, and the flag is published only after a table is complete.
uint32_t crcTables[4][256];
std::atomic<bool> crcTablesReady{false};

void BuildTables() {
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crcTables[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = crcTables[0][i];
        for (int t = 1; t < 4; ++t) {
            c = crcTables[0][c & 0xFF] ^ (c >> 8);
            crcTables[t][i] = c;
        }
    }
    crcTablesReady.exchange(true, std::memory_order_release);
}

}  // namespace

uint32_t CRC32(const void* data, size_t length) {
    if (!crcTablesReady.load(std::memory_order_acquire)) BuildTables();
    auto* p = static_cast<const uint8_t*>(data);
    uint32_t c = 0xFFFFFFFFu;
    while (length >= 4) {
        c ^= static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
             static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
        c = crcTables[3][c & 0xFF] ^ crcTables[2][(c >> 8) & 0xFF] ^
            crcTables[1][(c >> 16) & 0xFF] ^ crcTables[0][c >> 24];
        p += 4;
        length -= 4;
    }
    while (length--) c = crcTables[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace tarnwick
