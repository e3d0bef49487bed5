#include "builder/PackageWriter.h"

#include <cstring>
#include <stdexcept>

#include "package/PackageFormat.h"

namespace tarnwick {

namespace {

template <typename T>
void AppendLittleEndian(std::vector<uint8_t>& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> SerializeStreams(const std::vector<PackageStream>& streams) {
    std::vector<uint8_t> out;
    for (const PackageStream& stream : streams) {
        if (stream.Bytes.size() > INT32_MAX) throw std::runtime_error("stream too large");
        AppendLittleEndian<int32_t>(out, static_cast<int32_t>(stream.Bytes.size()));
        out.insert(out.end(), stream.Bytes.begin(), stream.Bytes.end());
    }
    return out;
}

std::vector<uint8_t> AssemblePackage(const PackageContents& contents) {
    if (contents.Streams.empty() || contents.Streams.size() > 255) {
        throw std::runtime_error("a package holds 1 to 255 streams");
    }
    std::vector<uint8_t> block =
        WriteCompressedBlock(SerializeStreams(contents.Streams), contents.CompressStreams, contents.Options);

    PackageTrailer trailer;
    trailer.StreamCount = static_cast<uint8_t>(contents.Streams.size());
    trailer.PackedSizeCount = static_cast<int64_t>(contents.PackedSizes.size());
    trailer.StreamBlockOffset = static_cast<int64_t>(contents.ProgramImage.size());
    trailer.StreamBlockSize = static_cast<int64_t>(block.size());
    trailer.FileDataOffset = trailer.StreamBlockOffset + trailer.StreamBlockSize;
    trailer.FileDataSize = static_cast<int64_t>(contents.FileData.size());
    trailer.ModeFlag = contents.Uninstaller ? UninstallerModeFlag : SetupModeFlag;
    if (trailer.FileDataOffset + trailer.FileDataSize > MaxFilePosition) {
        throw std::runtime_error("the setup file would exceed 2 GiB");
    }

    std::vector<uint8_t> out;
    out.reserve(contents.ProgramImage.size() + block.size() + contents.FileData.size() +
                8 * contents.PackedSizes.size() + contents.Streams.size() + PackageTrailerSize);
    out.insert(out.end(), contents.ProgramImage.begin(), contents.ProgramImage.end());
    out.insert(out.end(), block.begin(), block.end());
    out.insert(out.end(), contents.FileData.begin(), contents.FileData.end());
    for (int64_t packedSize : contents.PackedSizes) AppendLittleEndian<int64_t>(out, packedSize);
    for (const PackageStream& stream : contents.Streams) out.push_back(stream.Kind);
    uint8_t trailerBytes[PackageTrailerSize];
    std::memcpy(trailerBytes, &trailer, PackageTrailerSize);
    out.insert(out.end(), trailerBytes, trailerBytes + PackageTrailerSize);
    return out;
}

}  // namespace tarnwick
