#pragma once
// The setup package appended to the program file. Shared by the runtime and the builder, so that
// the writer and the reader cannot drift apart.
//
//   0 .. StreamBlockOffset-1          program image
//   StreamBlockOffset                 stream block: one compressed block holding every stream as
//                                     [i32 count][count bytes] records, the setup script first
//   FileDataOffset (= block end)      file data region (the application's data; empty in an uninstaller)
//   FileDataOffset + FileDataSize     stream table: PackedSizeCount x i64 PackedSizes, then
//                                     StreamCount x u8 StreamKinds
//   last 42 bytes                     PackageTrailer
//
// Every number is little-endian; both targets are x86, so the trailer is read as it is laid out.

#include <cstdint>

namespace tarnwick {

#pragma pack(push, 1)
struct PackageTrailer {
    uint8_t StreamCount = 0;        // streams in the block, and bytes in StreamKinds
    int64_t PackedSizeCount = 0;    // entries in PackedSizes (one per file record, per-file layout)
    int64_t StreamBlockOffset = 0;
    int64_t StreamBlockSize = 0;
    int64_t FileDataOffset = 0;
    int64_t FileDataSize = 0;
    uint8_t ModeFlag = 0;           // SetupModeFlag or UninstallerModeFlag; anything else: corrupted
};
#pragma pack(pop)
static_assert(sizeof(PackageTrailer) == 42, "the trailer is 42 bytes on disk");

constexpr int32_t PackageTrailerSize = 42;
constexpr uint8_t SetupModeFlag = 0x59;
constexpr uint8_t UninstallerModeFlag = 0xAD;

// The largest file position and count the loader works with.
constexpr int64_t MaxFilePosition = 2147483647;
constexpr int64_t MaxStreamBlockSize = 0xFFFFFFFFll;

// What a stream of the block is, by its kind byte. The first stream is always the setup script.
enum StreamKind : uint8_t {
    ScriptStreamKind = 0,
    HeaderPictureKind = 4,
    SidePictureKind = 5,
    BackgroundPictureKind = 6,   // written to 6.tmp
    DestinationPictureKind = 7,
    ShortcutsPictureKind = 8,
    PasswordPictureKind = 9,
    LicenseTextKind = 15,        // written to 15.tmp
    InformationTextKind = 16,    // written to 16.tmp
    UninstallerIconKind = 17,    // written to 17.tmp
};

// Kinds held in memory as bitmaps; every other kind (after the first stream) becomes a file.
inline bool IsBitmapKind(uint8_t kind) {
    return kind == HeaderPictureKind || kind == SidePictureKind || kind == DestinationPictureKind ||
           kind == ShortcutsPictureKind || kind == PasswordPictureKind;
}

}  // namespace tarnwick
