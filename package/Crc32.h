#pragma once
// The standard CRC-32 (reflected polynomial 0xEDB88320, initial 0xFFFFFFFF, final complement),
// as zlib and PNG use it. The check value of "123456789" is 0xCBF43926.

#include <cstddef>
#include <cstdint>

namespace tarnwick {

uint32_t CRC32(const void* data, size_t length);

}  // namespace tarnwick
