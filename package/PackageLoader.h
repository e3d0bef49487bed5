#pragma once
// Reading the setup package from the end of a program file.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/Stream.h"
#include "package/PackageFormat.h"

namespace tarnwick {

// Everything the loader takes from a package. Lives for the whole run.
struct LoadedPackage {
    bool IsInstaller = false;                    // ModeFlag 0x59; 0xAD is the uninstaller
    PackageTrailer Trailer;
    std::vector<int64_t> PackedSizes;
    std::vector<uint8_t> StreamKinds;
    MemoryStream SetupScript;                    // positioned at 0 after the load
    std::map<uint8_t, std::vector<uint8_t>> Bitmaps;  // BMP file bytes by kind (4, 5, 7, 8, 9)
};

enum class PackageLoadResult { Loaded, Corrupted };

// Reads the package at the end of programFile. Bitmap streams are kept in `package`; every other
// stream after the first is written to TempFileNameIn(tempFolder, kind), a later stream of a kind
// replacing the earlier file. Corrupted: no mode flag, values that do not fit the file, or a
// damaged stream block.
PackageLoadResult LoadPackageFrom(Stream& programFile, const std::string& tempFolder, LoadedPackage& package);

// Reads one [i32 count][bytes] record from a block reader into destination and rewinds it to 0.
// False when the block fails before the record is complete.
class TCompressedBlockReader;
bool ReadSizedStream(Stream& destination, TCompressedBlockReader& reader);

// Copies count bytes from source's position to destination in pieces of at most 512 KiB,
// processing pending window messages between pieces. Returns the bytes copied: fewer when the
// source ends or a read or write fails.
int64_t CopyStreamBytes(Stream& destination, Stream& source, int64_t count);

// "<folder><n>.tmp": the numbered temporary files of a run; folder ends with a separator.
std::string TempFileNameIn(const std::string& folder, int n);

}  // namespace tarnwick
