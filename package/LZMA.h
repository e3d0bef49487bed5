#pragma once
// The compressed block: the container of all packed data.
//
//   offset 0  u32  BlockHeaderCRC   CRC-32 of the 5 bytes at offsets 4..8
//          4  u32  StoredSize       bytes that follow the header (chunks with their CRC fields)
//          8  u8   CompressedFlag   nonzero: LZMA payload (5-byte properties + raw LZMA1); 0: plain
//          9  ...  chunks           [u32 ChunkCRC][min(4096, bytes left) data bytes] ...
//
// A damaged block never yields bytes that were not really delivered: Read() returns false and
// the reader stays failed. See LZMA.cpp for the exact rules.

#include <cstdint>
#include <memory>

#include "base/Stream.h"

namespace tarnwick {

constexpr int32_t BlockHeaderSize = 9;
constexpr int32_t ChunkDataSize = 4096;
constexpr int32_t ChunkCRCSize = 4;
constexpr uint32_t MaxDictionarySize = 32u * 1024 * 1024;
constexpr int32_t LZMAPropertiesSize = 5;

// Where a decompressor takes its input from: a function bound to a context. Returns the number of
// bytes delivered, 0 at the end of the payload.
struct SourceRead {
    int32_t (*function)(void* context, uint8_t* buffer, int32_t count) = nullptr;
    void* context = nullptr;
    int32_t operator()(uint8_t* buffer, int32_t count) const { return function(context, buffer, count); }
};

class TCustomDecompressor;
// A decompressor "class": its virtual constructor, so that a reader can make one from the class.
using TDecompressorClass = std::unique_ptr<TCustomDecompressor> (*)(SourceRead source);

class TCustomDecompressor {
public:
    explicit TCustomDecompressor(SourceRead source) : SourceRead_(source) {}
    TCustomDecompressor(const TCustomDecompressor&) = delete;
    TCustomDecompressor& operator=(const TCustomDecompressor&) = delete;
    virtual ~TCustomDecompressor() = default;

    // Produces up to count bytes; returns the number produced. Fewer than count means the stream
    // ended or failed; Failed() tells which.
    virtual int32_t Decompress(void* buffer, int32_t count) = 0;
    // The next Decompress starts a new stream with its own properties header.
    virtual void ResetStream() = 0;
    virtual bool Failed() const = 0;

protected:
    SourceRead SourceRead_;
};

class TLZMADecompressor final : public TCustomDecompressor {
public:
    static std::unique_ptr<TCustomDecompressor> Create(SourceRead source);
    explicit TLZMADecompressor(SourceRead source);
    ~TLZMADecompressor() override;

    int32_t Decompress(void* buffer, int32_t count) override;
    void ResetStream() override;
    bool Failed() const override { return failed_; }

private:
    bool InitDecoder();
    void FreeDecoderMemory();

    struct Decoder;                    // liblzma's stream state
    std::unique_ptr<Decoder> decoder_; // kept across ResetStream, so its memory can be reused
    std::unique_ptr<uint8_t[]> input_; // 65,536-byte input buffer
    bool endOfInput_ = false;
    bool initialized_ = false;
    bool streamEnded_ = false;         // the LZMA end marker was decoded
    bool failed_ = false;
};

class TCompressedBlockReader {
public:
    // Reads and checks the header at the stream's position. A bad header gives an uninitialized
    // reader: every Read fails and the destructor leaves the stream alone.
    TCompressedBlockReader(Stream& stream, TDecompressorClass decompressorClass);
    TCompressedBlockReader(const TCompressedBlockReader&) = delete;
    TCompressedBlockReader& operator=(const TCompressedBlockReader&) = delete;
    // Leaves the stream right after the block, however much was read.
    ~TCompressedBlockReader();

    // Delivers exactly count payload bytes (decompressed when the block is compressed), or returns
    // false: the header was bad, the block is damaged, or the payload ended first. After a false
    // return the reader stays failed; the buffer may hold part of the bytes, which callers must not use.
    bool Read(void* buffer, int32_t count);

    bool Initialized() const { return initialized_; }
    bool Failed() const { return failed_; }
    bool Compressed() const { return decompressor_ != nullptr; }

private:
    static int32_t ReadStoredCallback(void* context, uint8_t* buffer, int32_t count);
    int32_t ReadStored(uint8_t* buffer, int32_t count);
    bool NextChunk();

    Stream& stream_;
    std::unique_ptr<TCustomDecompressor> decompressor_;
    uint32_t bytesLeft_ = 0;  // block bytes (chunk CRC fields included) not yet taken from the stream
    bool initialized_ = false;
    bool failed_ = false;
    uint8_t chunk_[ChunkDataSize];
    int32_t chunkIndex_ = 0;   // next unread byte of chunk_
    int32_t chunkUnread_ = 0;  // unread bytes in chunk_
};

}  // namespace tarnwick
