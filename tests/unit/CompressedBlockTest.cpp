// The compressed block format: CRC-32, stored and LZMA payloads, chunking and damage.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "builder/BlockWriter.h"
#include "package/Crc32.h"
#include "package/LZMA.h"

using namespace tarnwick;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> MixedData(size_t size, uint32_t seed = 1) {
    std::mt19937 random(seed);
    std::vector<uint8_t> out(size);
    for (size_t i = 0; i < size; ++i) {
        // Runs of text-like bytes mixed with noise, so that LZMA finds matches of every length.
        out[i] = (i / 700) % 3 == 0 ? static_cast<uint8_t>(random()) : static_cast<uint8_t>('a' + (i * 7 / 3) % 26);
    }
    return out;
}

// Reads count bytes through a fresh reader over `block`; false when the reader refuses.
bool ReadBlock(const std::vector<uint8_t>& block, std::vector<uint8_t>& out, size_t count) {
    MemoryStream stream(block);
    TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
    out.assign(count, 0);
    return reader.Read(out.data(), static_cast<int32_t>(count));
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Rewrites the header CRC after a test changed the header on purpose.
void FixHeaderCRC(std::vector<uint8_t>& block) { PutU32(block, 0, CRC32(block.data() + 4, 5)); }

}  // namespace

TEST(CRC32, KnownVectors) {
    struct Case { const char* text; uint32_t crc; } cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const Case& c : cases) EXPECT_EQ(CRC32(c.text, std::strlen(c.text)), c.crc) << c.text;
}

TEST(CompressedBlock, RoundTripsStoredAndCompressedPayloads) {
    for (bool compress : {false, true}) {
        for (size_t size : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(4097), size_t(3 * 4096 + 17), size_t(300000)}) {
            std::vector<uint8_t> plain = MixedData(size, static_cast<uint32_t>(size));
            std::vector<uint8_t> block = WriteCompressedBlock(plain, compress);
            std::vector<uint8_t> out;
            ASSERT_TRUE(ReadBlock(block, out, size)) << "compress=" << compress << " size=" << size;
            EXPECT_EQ(out, plain) << "compress=" << compress << " size=" << size;
        }
    }
}

TEST(CompressedBlock, PayloadOfExactlyOneChunk) {
    std::vector<uint8_t> plain = MixedData(4096);
    std::vector<uint8_t> block = WriteCompressedBlock(plain, false);
    ASSERT_EQ(block.size(), 9u + 4100u);
    uint32_t storedSize;
    std::memcpy(&storedSize, block.data() + 4, 4);
    EXPECT_EQ(storedSize, 4100u);
    EXPECT_EQ(block[8], 0);
}

TEST(CompressedBlock, ReadsSpanningChunksLoseAndRepeatNothing) {
    std::vector<uint8_t> plain = MixedData(5 * 4096 + 100);
    for (bool compress : {false, true}) {
        std::vector<uint8_t> block = WriteCompressedBlock(plain, compress);
        MemoryStream stream(block);
        TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
        std::vector<uint8_t> out;
        // Odd request sizes so that requests start and end inside chunks and straddle several.
        for (int32_t piece : {1, 4095, 2, 9000, 4097, 3}) {
            std::vector<uint8_t> buffer(piece);
            ASSERT_TRUE(reader.Read(buffer.data(), piece));
            out.insert(out.end(), buffer.begin(), buffer.end());
        }
        std::vector<uint8_t> rest(plain.size() - out.size());
        ASSERT_TRUE(reader.Read(rest.data(), static_cast<int32_t>(rest.size())));
        out.insert(out.end(), rest.begin(), rest.end());
        EXPECT_EQ(out, plain);
        uint8_t extra;
        EXPECT_FALSE(reader.Read(&extra, 1)) << "a read past the payload fails";
    }
}

TEST(CompressedBlock, FreedReaderLeavesStreamAfterTheBlock) {
    for (bool compress : {false, true}) {
        std::vector<uint8_t> block = WriteCompressedBlock(MixedData(20000), compress);
        std::vector<uint8_t> file = Bytes("lead");
        file.insert(file.end(), block.begin(), block.end());
        file.push_back(0x77);
        MemoryStream stream(file);
        stream.Seek(4);
        {
            TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
            uint8_t buffer[10];
            ASSERT_TRUE(reader.Read(buffer, sizeof buffer));
        }
        EXPECT_EQ(stream.Position(), static_cast<int64_t>(4 + block.size()));
    }
}

TEST(CompressedBlock, BadHeaderGivesUninitializedReader) {
    std::vector<uint8_t> block = WriteCompressedBlock(Bytes("hello, world"), false);
    block[0] ^= 1;
    MemoryStream stream(block);
    {
        TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
        EXPECT_FALSE(reader.Initialized());
        uint8_t buffer[4] = {9, 9, 9, 9};
        EXPECT_FALSE(reader.Read(buffer, 4));
        EXPECT_EQ(buffer[0], 9) << "an uninitialized reader delivers nothing";
    }
    EXPECT_EQ(stream.Position(), 9) << "the stream stays right after the header";
}

TEST(CompressedBlock, HeaderShorterThanNineBytesOrSizePastTheStream) {
    std::vector<uint8_t> block = WriteCompressedBlock(Bytes("abc"), false);
    std::vector<uint8_t> shortHeader(block.begin(), block.begin() + 8);
    MemoryStream shortStream(shortHeader);
    EXPECT_FALSE(TCompressedBlockReader(shortStream, &TLZMADecompressor::Create).Initialized());

    std::vector<uint8_t> cut(block.begin(), block.end() - 1);
    MemoryStream cutStream(cut);
    EXPECT_FALSE(TCompressedBlockReader(cutStream, &TLZMADecompressor::Create).Initialized());
}

TEST(CompressedBlock, DictionarySizeLimit) {
    std::vector<uint8_t> plain = MixedData(10000);
    for (uint32_t dictionary : {MaxDictionarySize, MaxDictionarySize + 1}) {
        std::vector<uint8_t> payload = EncodeLZMAPayload(plain, {6, MaxDictionarySize});
        PutU32(payload, 1, dictionary);
        std::vector<uint8_t> out;
        EXPECT_EQ(ReadBlock(WrapBlockPayload(payload, true), out, plain.size()), dictionary == MaxDictionarySize)
            << dictionary;
        if (dictionary == MaxDictionarySize) {
            EXPECT_EQ(out, plain);
        }
    }
}

// Each kind of damage is a failed read: no caller sees bytes that the block did not deliver.
TEST(CompressedBlock, DamageIsAFailedRead) {
    const std::vector<uint8_t> plain = MixedData(50000);
    const std::vector<uint8_t> stored = WriteCompressedBlock(plain, false);
    const std::vector<uint8_t> compressed = WriteCompressedBlock(plain, true);
    const std::vector<uint8_t> payload = EncodeLZMAPayload(plain);

    struct Case {
        const char* name;
        std::vector<uint8_t> block;
        size_t readSize;
    };
    std::vector<Case> cases;

    auto flip = [](std::vector<uint8_t> block, size_t at) { block[at] ^= 0x40; return block; };
    cases.push_back({"stored chunk CRC", flip(stored, 9 + 4100 + 2), plain.size()});
    cases.push_back({"stored chunk data", flip(stored, 9 + 4 + 100), plain.size()});
    cases.push_back({"compressed chunk data", flip(compressed, compressed.size() - 10), plain.size()});

    {   // StoredSize promises more than the chunks hold: 3 trailing bytes cannot form a chunk.
        std::vector<uint8_t> block = stored;
        block.insert(block.end(), {1, 2, 3});
        uint32_t storedSize;
        std::memcpy(&storedSize, block.data() + 4, 4);
        PutU32(block, 4, storedSize + 3);
        FixHeaderCRC(block);
        cases.push_back({"payload shorter than stored size", block, plain.size() + 1});
    }
    {   // lc + lp > 4 is refused by the decoder.
        std::vector<uint8_t> bad = payload;
        bad[0] = 8 + 9 * 4;  // lc 8, lp 4, pb 0
        cases.push_back({"refused properties", WrapBlockPayload(bad, true), plain.size()});
    }
    {
        std::vector<uint8_t> bad = payload;
        bad[0] = 225;
        cases.push_back({"properties byte above 224", WrapBlockPayload(bad, true), 1});
    }
    {   // Garbage in the middle of the LZMA data, with chunk CRCs that match it.
        std::vector<uint8_t> bad = payload;
        for (size_t i = 40; i < 400 && i < bad.size(); ++i) bad[i] = static_cast<uint8_t>(i * 31);
        cases.push_back({"LZMA data error", WrapBlockPayload(bad, true), plain.size()});
    }
    {
        std::vector<uint8_t> cut(payload.begin(), payload.begin() + payload.size() / 2);
        cases.push_back({"LZMA data cut short", WrapBlockPayload(cut, true), plain.size()});
    }
    cases.push_back({"read past the decoded end", compressed, plain.size() + 1});
    cases.push_back({"read past the stored end", stored, plain.size() + 1});
    cases.push_back({"only a properties header", WrapBlockPayload({93, 0, 0, 1, 0}, true), 1});

    for (const Case& c : cases) {
        std::vector<uint8_t> out;
        EXPECT_FALSE(ReadBlock(c.block, out, c.readSize)) << c.name;
    }
}

TEST(CompressedBlock, DecompressorStartsAgainAfterResetStream) {
    // After ResetStream the decompressor reads a new properties header from its source.
    struct Source {
        std::vector<uint8_t> payload;
        size_t offset = 0;
        static int32_t Read(void* context, uint8_t* buffer, int32_t count) {
            auto* self = static_cast<Source*>(context);
            int32_t n = static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(count), self->payload.size() - self->offset));
            std::memcpy(buffer, self->payload.data() + self->offset, static_cast<size_t>(n));
            self->offset += static_cast<size_t>(n);
            return n;
        }
    } source;
    const std::vector<uint8_t> first = MixedData(7000, 1), second = MixedData(9000, 2);
    source.payload = EncodeLZMAPayload(first);

    auto decompressor = TLZMADecompressor::Create(SourceRead{&Source::Read, &source});
    std::vector<uint8_t> out(first.size());
    ASSERT_EQ(decompressor->Decompress(out.data(), static_cast<int32_t>(out.size())), static_cast<int32_t>(first.size()));
    EXPECT_EQ(out, first);
    uint8_t probe;
    EXPECT_EQ(decompressor->Decompress(&probe, 1), 0) << "the end marker ends the first stream";

    source.payload = EncodeLZMAPayload(second, {1, 1 << 20});  // other properties
    source.offset = 0;
    decompressor->ResetStream();
    out.assign(second.size(), 0);
    ASSERT_EQ(decompressor->Decompress(out.data(), static_cast<int32_t>(out.size())), static_cast<int32_t>(second.size()));
    EXPECT_EQ(out, second);
    EXPECT_FALSE(decompressor->Failed());
}
