#pragma once
// Writing compressed blocks: the header with its CRC, the payload cut into 4,096-byte chunks each
// behind its CRC, and inside a compressed payload the LZMA properties header and raw LZMA1 data.

#include <cstdint>
#include <vector>

namespace tarnwick {

struct LZMAEncoderOptions {
    uint32_t preset = 6;
    uint32_t dictionarySize = 0;  // 0: the preset's; at most 32 MiB
};

// A block whose payload is `plain`, LZMA-compressed when `compress` is set, stored plain otherwise.
std::vector<uint8_t> WriteCompressedBlock(const std::vector<uint8_t>& plain, bool compress,
                                          const LZMAEncoderOptions& options = {});

// The LZMA payload of `plain`: 5-byte properties header, then raw LZMA1 data with an end marker.
std::vector<uint8_t> EncodeLZMAPayload(const std::vector<uint8_t>& plain, const LZMAEncoderOptions& options = {});

// A block around a payload as it is: the caller's bytes are chunked, not encoded.
std::vector<uint8_t> WrapBlockPayload(const std::vector<uint8_t>& payload, bool compressedFlag);

}  // namespace tarnwick
