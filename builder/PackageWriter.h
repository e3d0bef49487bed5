#pragma once
// Assembling a program file with its package: program image, stream block, file data region,
// stream table and trailer (see package/PackageFormat.h).

#include <cstdint>
#include <vector>

#include "builder/BlockWriter.h"

namespace tarnwick {

struct PackageStream {
    uint8_t Kind = 0;
    std::vector<uint8_t> Bytes;
};

struct PackageContents {
    std::vector<uint8_t> ProgramImage;   // the runtime executable
    std::vector<PackageStream> Streams;  // the setup script first; at most 255 streams
    std::vector<uint8_t> FileData;       // the file data region (the data archive's first part)
    std::vector<int64_t> PackedSizes;    // per-file layout: one packed size per file record
    bool Uninstaller = false;            // mode flag 0xAD instead of 0x59
    bool CompressStreams = true;
    LZMAEncoderOptions Options;
};

// The stream block's plain content: each stream as [i32 count][bytes].
std::vector<uint8_t> SerializeStreams(const std::vector<PackageStream>& streams);

// The whole program file with its package appended.
std::vector<uint8_t> AssemblePackage(const PackageContents& contents);

}  // namespace tarnwick
