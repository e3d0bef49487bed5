// Decode throughput of the compressed block reader (chunks, CRCs, TLZMADecompressor) against
// liblzma decoding the same raw LZMA stream directly. Prints both and their ratio.
//
//   block_reader_bench [MEGABYTES=100] [ROUNDS=3]

#include <lzma.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "MixedPayload.h"
#include "builder/BlockWriter.h"
#include "package/LZMA.h"

using namespace tarnwick;
using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t ReadPiece = 8192;  // what the package loader asks for at a time

// liblzma alone: the raw decoder over the whole payload in memory.
size_t DecodeDirect(const std::vector<uint8_t>& payload, size_t plainSize) {
    lzma_options_lzma options{};
    lzma_lzma_preset(&options, 0);
    const uint8_t d = payload[0];
    options.lc = d % 9;
    options.lp = (d / 9) % 5;
    options.pb = d / 45;
    options.dict_size = payload[1] | payload[2] << 8 | payload[3] << 16 | static_cast<uint32_t>(payload[4]) << 24;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK) throw std::runtime_error("decoder");
    stream.next_in = payload.data() + LZMAPropertiesSize;
    stream.avail_in = payload.size() - LZMAPropertiesSize;
    std::vector<uint8_t> out(ReadPiece);
    size_t total = 0;
    uint32_t sink = 0;
    while (total < plainSize) {
        stream.next_out = out.data();
        stream.avail_out = std::min(ReadPiece, plainSize - total);
        size_t want = stream.avail_out;
        lzma_ret result = lzma_code(&stream, LZMA_RUN);
        total += want - stream.avail_out;
        sink += out[0];
        if (result != LZMA_OK && result != LZMA_STREAM_END) throw std::runtime_error("decode error");
        if (result == LZMA_STREAM_END) break;
    }
    lzma_end(&stream);
    return total + (sink & 0);
}

size_t DecodeThroughReader(const std::vector<uint8_t>& block, size_t plainSize) {
    MemoryStream stream(block);
    TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
    std::vector<uint8_t> out(ReadPiece);
    size_t total = 0;
    while (total < plainSize) {
        int32_t n = static_cast<int32_t>(std::min(ReadPiece, plainSize - total));
        if (!reader.Read(out.data(), n)) throw std::runtime_error("reader failed");
        total += static_cast<size_t>(n);
    }
    return total;
}

template <typename F>
double Seconds(F&& run) {
    auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const size_t size = megabytes << 20;

    std::printf("generating and compressing %zu MiB of mixed data...\n", megabytes);
    std::vector<uint8_t> plain = bench::MixedPayload(size);
    std::vector<uint8_t> payload = EncodeLZMAPayload(plain, {2, 8u << 20});
    std::vector<uint8_t> block = WrapBlockPayload(payload, true);
    std::printf("compressed to %.1f MiB (%.1f %%)\n", payload.size() / 1048576.0, 100.0 * payload.size() / size);

    // Rounds alternate between the two, and the best of each counts, so that a busy moment of the
    // machine does not fall on one side only.
    double direct = 1e30, reader = 1e30;
    for (int i = 0; i < rounds; ++i) {
        direct = std::min(direct, Seconds([&] { DecodeDirect(payload, size); }));
        reader = std::min(reader, Seconds([&] { DecodeThroughReader(block, size); }));
    }
    std::printf("liblzma raw decoder:       %8.1f MiB/s\n", megabytes / direct);
    std::printf("TCompressedBlockReader:    %8.1f MiB/s\n", megabytes / reader);
    std::printf("ratio (reader / liblzma):  %8.1f %%\n", 100.0 * direct / reader);
    return 0;
}
