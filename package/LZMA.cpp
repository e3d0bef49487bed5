#include "package/LZMA.h"

#include <lzma.h>

#include <algorithm>
#include <cstring>

#include "package/Crc32.h"

namespace tarnwick {

namespace {
constexpr int32_t InputBufferSize = 65536;

uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TLZMADecompressor: liblzma's raw LZMA1 decoder, configured from the 5-byte properties header.

struct TLZMADecompressor::Decoder {
    lzma_stream stream = LZMA_STREAM_INIT;
    bool active = false;  // liblzma holds memory for this stream
};

std::unique_ptr<TCustomDecompressor> TLZMADecompressor::Create(SourceRead source) {
    return std::make_unique<TLZMADecompressor>(source);
}

TLZMADecompressor::TLZMADecompressor(SourceRead source)
    : TCustomDecompressor(source), decoder_(new Decoder), input_(new uint8_t[InputBufferSize]) {}

TLZMADecompressor::~TLZMADecompressor() { FreeDecoderMemory(); }

void TLZMADecompressor::FreeDecoderMemory() {
    if (decoder_->active) lzma_end(&decoder_->stream);
    decoder_->active = false;
}

void TLZMADecompressor::ResetStream() {
    endOfInput_ = false;
    initialized_ = false;
    streamEnded_ = false;
    failed_ = false;
}

bool TLZMADecompressor::InitDecoder() {
    uint8_t properties[LZMAPropertiesSize];
    if (SourceRead_(properties, LZMAPropertiesSize) != LZMAPropertiesSize) return false;

    // Byte 0 encodes lc, lp and pb (at most 224); bytes 1..4 are the dictionary size, 0 meaning 1.
    if (properties[0] > 224) return false;
    uint32_t dictionarySize = std::max<uint32_t>(LoadU32(properties + 1), 1);
    if (dictionarySize > MaxDictionarySize) return false;

    lzma_options_lzma options{};
    if (lzma_lzma_preset(&options, 0)) return false;
    options.lc = properties[0] % 9;
    options.lp = (properties[0] / 9) % 5;
    options.pb = properties[0] / 45;
    options.dict_size = dictionarySize;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};

    // Re-initialising the same lzma_stream lets liblzma keep its dictionary when the size is the
    // same, so consecutive streams of one setup do not allocate again.
    lzma_stream& stream = decoder_->stream;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK) {  // e.g. lc + lp > 4, no memory
        FreeDecoderMemory();
        return false;
    }
    decoder_->active = true;
    stream.next_in = nullptr;
    stream.avail_in = 0;
    initialized_ = true;
    return true;
}

int32_t TLZMADecompressor::Decompress(void* buffer, int32_t count) {
    if (failed_ || count <= 0) return 0;
    if (!initialized_ && !InitDecoder()) {
        failed_ = true;
        return 0;
    }
    if (streamEnded_) return 0;

    lzma_stream& stream = decoder_->stream;
    stream.next_out = static_cast<uint8_t*>(buffer);
    stream.avail_out = static_cast<size_t>(count);
    while (stream.avail_out > 0) {
        if (stream.avail_in == 0 && !endOfInput_) {
            int32_t n = SourceRead_(input_.get(), InputBufferSize);
            if (n <= 0) {
                endOfInput_ = true;
                n = 0;
            }
            stream.next_in = input_.get();
            stream.avail_in = static_cast<size_t>(n);
        }
        // liblzma answers LZMA_BUF_ERROR when it can make no progress, so this loop always ends.
        lzma_ret result = lzma_code(&stream, endOfInput_ ? LZMA_FINISH : LZMA_RUN);
        if (result == LZMA_STREAM_END) {
            streamEnded_ = true;
            break;
        }
        if (result != LZMA_OK) {
            failed_ = true;
            break;
        }
    }
    return count - static_cast<int32_t>(stream.avail_out);
}

// ---------------------------------------------------------------------------------------------
// TCompressedBlockReader

TCompressedBlockReader::TCompressedBlockReader(Stream& stream, TDecompressorClass decompressorClass)
    : stream_(stream) {
    uint8_t crcField[4];
    uint8_t header[5];  // StoredSize, CompressedFlag
    if (stream_.Read(crcField, 4) != 4 || stream_.Read(header, 5) != 5) return;
    if (CRC32(header, 5) != LoadU32(crcField)) return;
    uint32_t storedSize = LoadU32(header);
    int64_t position = stream_.Position();
    int64_t size = stream_.Size();
    if (position < 0 || size < 0 || position + static_cast<int64_t>(storedSize) > size) return;
    if (header[4] != 0 && decompressorClass) {
        decompressor_ = decompressorClass(SourceRead{&TCompressedBlockReader::ReadStoredCallback, this});
    }
    bytesLeft_ = storedSize;
    initialized_ = true;
}

TCompressedBlockReader::~TCompressedBlockReader() {
    decompressor_.reset();
    if (initialized_) stream_.Seek(stream_.Position() + bytesLeft_);
}

int32_t TCompressedBlockReader::ReadStoredCallback(void* context, uint8_t* buffer, int32_t count) {
    return static_cast<TCompressedBlockReader*>(context)->ReadStored(buffer, count);
}

bool TCompressedBlockReader::NextChunk() {
    // A chunk is a CRC field and at least one data byte. Fewer bytes than that at a chunk
    // boundary means the block's size does not match its chunks: damaged.
    if (bytesLeft_ < ChunkCRCSize + 1) {
        failed_ = true;
        return false;
    }
    uint8_t crcField[4];
    if (!stream_.ReadExact(crcField, ChunkCRCSize)) {
        failed_ = true;
        return false;
    }
    bytesLeft_ -= ChunkCRCSize;
    int32_t n = static_cast<int32_t>(std::min<uint32_t>(bytesLeft_, ChunkDataSize));
    bool complete = stream_.ReadExact(chunk_, n);
    bytesLeft_ -= static_cast<uint32_t>(n);
    if (!complete || CRC32(chunk_, static_cast<size_t>(n)) != LoadU32(crcField)) {
        failed_ = true;  // a chunk that fails its CRC is never handed out
        return false;
    }
    chunkIndex_ = 0;
    chunkUnread_ = n;
    return true;
}

int32_t TCompressedBlockReader::ReadStored(uint8_t* buffer, int32_t count) {
    int32_t copied = 0;
    while (count > 0 && !failed_) {
        if (chunkUnread_ == 0) {
            if (bytesLeft_ == 0 || !NextChunk()) break;
        }
        int32_t n = std::min(count, chunkUnread_);
        std::memcpy(buffer + copied, chunk_ + chunkIndex_, static_cast<size_t>(n));
        chunkIndex_ += n;
        chunkUnread_ -= n;
        copied += n;
        count -= n;
    }
    return copied;
}

bool TCompressedBlockReader::Read(void* buffer, int32_t count) {
    if (!initialized_ || failed_ || count < 0) return false;
    if (count == 0) return true;
    int32_t delivered = decompressor_ ? decompressor_->Decompress(buffer, count)
                                      : ReadStored(static_cast<uint8_t*>(buffer), count);
    if (decompressor_ && decompressor_->Failed()) failed_ = true;
    if (delivered != count) failed_ = true;
    return !failed_;
}

}  // namespace tarnwick
