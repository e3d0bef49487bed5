#include "package/PackageLoader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/MessagePump.h"
#include "package/LZMA.h"

namespace tarnwick {

namespace {

constexpr int32_t StreamPieceSize = 8192;
constexpr int64_t CopyPieceSize = 524288;

// Every value of the trailer must describe a region inside the file before the trailer, within
// the ranges the loader works with; nothing is allocated or sought before this holds.
bool TrailerFitsFile(const PackageTrailer& t, int64_t fileSize) {
    const int64_t trailerStart = fileSize - PackageTrailerSize;
    if (t.StreamBlockOffset < 0 || t.StreamBlockOffset > MaxFilePosition) return false;
    if (t.StreamBlockSize < 0 || t.StreamBlockSize > MaxStreamBlockSize) return false;
    if (t.StreamBlockOffset + t.StreamBlockSize > trailerStart) return false;
    if (t.FileDataOffset < 0 || t.FileDataSize < 0) return false;
    if (t.FileDataOffset > MaxFilePosition || t.FileDataSize > MaxFilePosition) return false;
    const int64_t tableOffset = t.FileDataOffset + t.FileDataSize;
    if (tableOffset > MaxFilePosition) return false;
    if (t.PackedSizeCount < 0 || t.PackedSizeCount > INT32_MAX) return false;
    return tableOffset + 8 * t.PackedSizeCount + t.StreamCount <= trailerStart;
}

bool ReadStreamTable(Stream& file, LoadedPackage& package) {
    const PackageTrailer& t = package.Trailer;
    if (!file.Seek(t.FileDataOffset + t.FileDataSize)) return false;
    package.PackedSizes.resize(static_cast<size_t>(t.PackedSizeCount));
    for (int64_t& packedSize : package.PackedSizes) {
        uint8_t bytes[8];
        if (!file.ReadExact(bytes, 8)) return false;
        std::memcpy(&packedSize, bytes, 8);
    }
    package.StreamKinds.resize(t.StreamCount);
    return t.StreamCount == 0 || file.ReadExact(package.StreamKinds.data(), t.StreamCount);
}

}  // namespace

std::string TempFileNameIn(const std::string& folder, int n) {
    return folder + std::to_string(n) + ".tmp";
}

bool ReadSizedStream(Stream& destination, TCompressedBlockReader& reader) {
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[StreamPieceSize]);
    int32_t count = 0;
    bool complete = reader.Read(&count, 4);
    while (complete && count > 0) {
        int32_t n = std::min(count, StreamPieceSize);
        complete = reader.Read(buffer.get(), n) && destination.Write(buffer.get(), n) == n;
        count -= n;
    }
    destination.Seek(0);
    return complete;
}

int64_t CopyStreamBytes(Stream& destination, Stream& source, int64_t count) {
    if (count <= 0) return 0;
    const int32_t bufferSize = static_cast<int32_t>(std::min(count, CopyPieceSize));
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[bufferSize]);
    int64_t total = 0;
    int64_t remaining = count;
    while (remaining > 0) {
        int32_t n = source.Read(buffer.get(), static_cast<int32_t>(std::min<int64_t>(bufferSize, remaining)));
        if (n <= 0) break;
        if (destination.Write(buffer.get(), n) == -1) break;
        PumpPendingMessages();
        total += n;
        remaining -= n;
    }
    return total;
}

PackageLoadResult LoadPackageFrom(Stream& programFile, const std::string& tempFolder, LoadedPackage& package) {
    package = LoadedPackage{};

    // An unreadable or too short file leaves the trailer zeroed, so its mode flag is refused below.
    const int64_t fileSize = programFile.Size();
    PackageTrailer& trailer = package.Trailer;
    if (fileSize >= PackageTrailerSize && programFile.Seek(fileSize - PackageTrailerSize)) {
        uint8_t bytes[PackageTrailerSize];
        if (programFile.ReadExact(bytes, PackageTrailerSize)) std::memcpy(&trailer, bytes, PackageTrailerSize);
    }
    if (trailer.ModeFlag != SetupModeFlag && trailer.ModeFlag != UninstallerModeFlag) {
        return PackageLoadResult::Corrupted;
    }
    package.IsInstaller = trailer.ModeFlag == SetupModeFlag;
    if (!TrailerFitsFile(trailer, fileSize) || !ReadStreamTable(programFile, package)) {
        return PackageLoadResult::Corrupted;
    }

    MemoryStream block;
    if (!programFile.Seek(trailer.StreamBlockOffset) ||
        CopyStreamBytes(block, programFile, trailer.StreamBlockSize) != trailer.StreamBlockSize) {
        return PackageLoadResult::Corrupted;
    }
    block.Seek(0);

    TCompressedBlockReader reader(block, &TLZMADecompressor::Create);
    if (!ReadSizedStream(package.SetupScript, reader)) return PackageLoadResult::Corrupted;

    for (size_t i = 1; i < package.StreamKinds.size(); ++i) {
        const uint8_t kind = package.StreamKinds[i];
        MemoryStream content;
        if (!ReadSizedStream(content, reader)) return PackageLoadResult::Corrupted;
        if (IsBitmapKind(kind)) {
            package.Bitmaps[kind] = content.TakeBytes();
        } else if (auto file = FileStream::Open(TempFileNameIn(tempFolder, kind), FileStream::Mode::CreateOrTruncate)) {
            // A stream file that cannot be written is passed over, like any single failed item.
            file->WriteAll(content.Bytes().data(), content.Bytes().size());
        }
    }
    return PackageLoadResult::Loaded;
}

}  // namespace tarnwick
