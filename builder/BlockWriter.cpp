#include "builder/BlockWriter.h"

#include <lzma.h>

#include <algorithm>
#include <stdexcept>

#include "package/Crc32.h"
#include "package/LZMA.h"

namespace tarnwick {

namespace {

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeLZMAPayload(const std::vector<uint8_t>& plain, const LZMAEncoderOptions& options) {
    lzma_options_lzma lzmaOptions{};
    if (lzma_lzma_preset(&lzmaOptions, options.preset)) throw std::runtime_error("bad LZMA preset");
    if (options.dictionarySize) lzmaOptions.dict_size = options.dictionarySize;
    if (lzmaOptions.dict_size > MaxDictionarySize) throw std::runtime_error("LZMA dictionary above 32 MiB");
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &lzmaOptions}, {LZMA_VLI_UNKNOWN, nullptr}};

    std::vector<uint8_t> out(LZMAPropertiesSize);
    out[0] = static_cast<uint8_t>((lzmaOptions.pb * 5 + lzmaOptions.lp) * 9 + lzmaOptions.lc);
    for (int i = 0; i < 4; ++i) out[1 + i] = static_cast<uint8_t>(lzmaOptions.dict_size >> (8 * i));

    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK) throw std::runtime_error("LZMA encoder refused");
    stream.next_in = plain.data();
    stream.avail_in = plain.size();
    std::vector<uint8_t> piece(1 << 16);
    for (;;) {
        stream.next_out = piece.data();
        stream.avail_out = piece.size();
        lzma_ret result = lzma_code(&stream, LZMA_FINISH);
        out.insert(out.end(), piece.data(), piece.data() + (piece.size() - stream.avail_out));
        if (result == LZMA_STREAM_END) break;
        if (result != LZMA_OK) {
            lzma_end(&stream);
            throw std::runtime_error("LZMA encoding failed");
        }
    }
    lzma_end(&stream);
    return out;
}

std::vector<uint8_t> WrapBlockPayload(const std::vector<uint8_t>& payload, bool compressedFlag) {
    const size_t chunks = (payload.size() + ChunkDataSize - 1) / ChunkDataSize;
    const uint64_t storedSize = payload.size() + chunks * ChunkCRCSize;
    if (storedSize > 0xFFFFFFFFull) throw std::runtime_error("block payload too large");

    std::vector<uint8_t> block;
    block.reserve(BlockHeaderSize + storedSize);
    std::vector<uint8_t> header;
    AppendU32(header, static_cast<uint32_t>(storedSize));
    header.push_back(compressedFlag ? 1 : 0);
    AppendU32(block, CRC32(header.data(), header.size()));
    block.insert(block.end(), header.begin(), header.end());
    for (size_t offset = 0; offset < payload.size(); offset += ChunkDataSize) {
        size_t n = std::min<size_t>(ChunkDataSize, payload.size() - offset);
        AppendU32(block, CRC32(payload.data() + offset, n));
        block.insert(block.end(), payload.begin() + offset, payload.begin() + offset + n);
    }
    return block;
}

std::vector<uint8_t> WriteCompressedBlock(const std::vector<uint8_t>& plain, bool compress,
                                          const LZMAEncoderOptions& options) {
    return compress ? WrapBlockPayload(EncodeLZMAPayload(plain, options), true) : WrapBlockPayload(plain, false);
}

}  // namespace tarnwick
