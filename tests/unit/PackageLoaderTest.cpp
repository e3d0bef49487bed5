// Reading the package from the end of a program file: streams, the stream table, and every way a
// trailer or block can be damaged.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>

#include "builder/PackageWriter.h"
#include "package/PackageLoader.h"

using namespace tarnwick;

namespace {

std::vector<uint8_t> Filled(size_t size, char c) { return std::vector<uint8_t>(size, static_cast<uint8_t>(c)); }

class PackageLoaderTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tarnwick-loader-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = std::string(pattern) + "/";
    }
    void TearDown() override {
        for (int n = 0; n < 256; ++n) unlink(TempFileNameIn(folder_, n).c_str());
        rmdir(folder_.c_str());
    }

    PackageLoadResult Load(const std::vector<uint8_t>& file, LoadedPackage& package) {
        MemoryStream stream(file);
        return LoadPackageFrom(stream, folder_, package);
    }

    static PackageContents Basic() {
        PackageContents contents;
        contents.ProgramImage = Filled(3000, 'M');
        contents.Streams = {{0, Filled(500, 's')}, {6, Filled(40, 'b')}};
        contents.FileData = Filled(100, 'd');
        contents.PackedSizes = {60, 40};
        return contents;
    }

    std::string folder_;
};

// Offsets of the trailer fields in the file's last 42 bytes.
enum TrailerField : size_t { StreamCountAt = 0, PackedSizeCountAt = 1, BlockOffsetAt = 9, BlockSizeAt = 17,
                             FileDataOffsetAt = 25, FileDataSizeAt = 33, ModeFlagAt = 41 };

void SetTrailer64(std::vector<uint8_t>& file, size_t field, int64_t value) {
    std::memcpy(file.data() + file.size() - PackageTrailerSize + field, &value, 8);
}

}  // namespace

TEST_F(PackageLoaderTest, ReadsTrailerTableAndStreams) {
    PackageContents contents = Basic();
    contents.Streams.push_back({4, Filled(30, 'h')});  // a bitmap kind after the script
    LoadedPackage package;
    ASSERT_EQ(Load(AssemblePackage(contents), package), PackageLoadResult::Loaded);
    EXPECT_TRUE(package.IsInstaller);
    EXPECT_EQ(package.Trailer.StreamCount, 3);
    EXPECT_EQ(package.Trailer.StreamBlockOffset, 3000);
    EXPECT_EQ(package.Trailer.FileDataOffset, package.Trailer.StreamBlockOffset + package.Trailer.StreamBlockSize);
    EXPECT_EQ(package.Trailer.FileDataSize, 100);
    EXPECT_EQ(package.PackedSizes, (std::vector<int64_t>{60, 40}));
    EXPECT_EQ(package.StreamKinds, (std::vector<uint8_t>{0, 6, 4}));
    EXPECT_EQ(package.SetupScript.Bytes(), Filled(500, 's'));
    EXPECT_EQ(package.Bitmaps.at(4), Filled(30, 'h'));
    std::vector<uint8_t> file;
    ASSERT_TRUE(ReadWholeFile(TempFileNameIn(folder_, 6), file));
    EXPECT_EQ(file, Filled(40, 'b'));
}

TEST_F(PackageLoaderTest, FirstStreamIsTheScriptWhateverItsKind) {
    PackageContents contents = Basic();
    contents.Streams = {{4, Filled(10, 's')}};
    LoadedPackage package;
    ASSERT_EQ(Load(AssemblePackage(contents), package), PackageLoadResult::Loaded);
    EXPECT_EQ(package.SetupScript.Bytes(), Filled(10, 's'));
    EXPECT_TRUE(package.Bitmaps.empty());
}

TEST_F(PackageLoaderTest, StoredBlocksAndEmptyTablesLoadToo) {
    PackageContents contents = Basic();
    contents.CompressStreams = false;
    contents.PackedSizes.clear();
    contents.FileData.clear();
    contents.Uninstaller = true;
    LoadedPackage package;
    ASSERT_EQ(Load(AssemblePackage(contents), package), PackageLoadResult::Loaded);
    EXPECT_FALSE(package.IsInstaller);
    EXPECT_TRUE(package.PackedSizes.empty());
    EXPECT_EQ(package.SetupScript.Bytes(), Filled(500, 's'));
}

TEST_F(PackageLoaderTest, DamagedPackagesAreCorrupted) {
    const std::vector<uint8_t> good = AssemblePackage(Basic());
    const int64_t blockOffset = 3000;
    int64_t blockSize;
    std::memcpy(&blockSize, good.data() + good.size() - PackageTrailerSize + BlockSizeAt, 8);
    const int64_t size = static_cast<int64_t>(good.size());

    struct Case {
        const char* name;
        std::vector<uint8_t> file;
    };
    std::vector<Case> cases;
    auto with = [&](const char* name, size_t field, int64_t value) {
        std::vector<uint8_t> file = good;
        SetTrailer64(file, field, value);
        cases.push_back({name, file});
    };
    cases.push_back({"empty file", {}});
    cases.push_back({"shorter than a trailer", Filled(41, 'Y')});
    cases.push_back({"no package", Filled(5000, 'M')});
    {
        std::vector<uint8_t> file = good;
        file.back() = 0x5A;
        cases.push_back({"unknown mode flag", file});
    }
    with("negative block offset", BlockOffsetAt, -1);
    with("block offset beyond 2 GiB", BlockOffsetAt, int64_t(1) << 31);
    with("block runs into the trailer", BlockSizeAt, size - blockOffset);
    with("block size of 4 GiB", BlockSizeAt, int64_t(1) << 32);
    with("negative block size", BlockSizeAt, -5);
    with("negative file data size", FileDataSizeAt, -1);
    with("table offset beyond 2 GiB", FileDataSizeAt, int64_t(1) << 31);
    with("table past the end of the file", FileDataOffsetAt, size);
    with("huge packed size count", PackedSizeCountAt, int64_t(1) << 40);
    with("negative packed size count", PackedSizeCountAt, -1);
    with("packed sizes past the trailer", PackedSizeCountAt, 1000000);
    {
        std::vector<uint8_t> file = good;
        file[blockOffset + 30] ^= 1;
        cases.push_back({"damaged chunk", file});
    }
    {
        std::vector<uint8_t> file = good;
        file[blockOffset + 2] ^= 1;
        cases.push_back({"damaged block header", file});
    }
    {   // Two streams promised by the kinds table, but the block holds one.
        PackageContents contents = Basic();
        contents.Streams = {{0, Filled(10, 's')}};
        std::vector<uint8_t> file = AssemblePackage(contents);
        file[file.size() - PackageTrailerSize] = 2;                      // StreamCount
        file.insert(file.end() - PackageTrailerSize, 6);                 // one more kind byte
        cases.push_back({"fewer streams than the table", file});
    }
    {   // A stream record whose count claims 2,000,000,000 bytes.
        PackageContents contents = Basic();
        std::vector<uint8_t> plain = SerializeStreams(contents.Streams);
        int32_t huge = 2000000000;
        std::memcpy(plain.data(), &huge, 4);
        std::vector<uint8_t> block = WriteCompressedBlock(plain, true);
        std::vector<uint8_t> file = contents.ProgramImage;
        file.insert(file.end(), block.begin(), block.end());
        file.push_back(0);
        file.push_back(6);
        PackageTrailer trailer;
        trailer.StreamCount = 2;
        trailer.StreamBlockOffset = 3000;
        trailer.StreamBlockSize = static_cast<int64_t>(block.size());
        trailer.FileDataOffset = trailer.StreamBlockOffset + trailer.StreamBlockSize;
        trailer.ModeFlag = SetupModeFlag;
        uint8_t bytes[PackageTrailerSize];
        std::memcpy(bytes, &trailer, sizeof bytes);
        file.insert(file.end(), bytes, bytes + sizeof bytes);
        cases.push_back({"stream count beyond the block", file});
    }

    for (const Case& c : cases) {
        LoadedPackage package;
        EXPECT_EQ(Load(c.file, package), PackageLoadResult::Corrupted) << c.name;
    }
}

TEST_F(PackageLoaderTest, EmptyAndNegativeStreamsMakeEmptyFiles) {
    // Streams whose count is 0 or negative carry no bytes; their files are still written, empty.
    std::vector<uint8_t> plain;
    auto put = [&](int32_t count, const std::vector<uint8_t>& bytes) {
        uint8_t raw[4];
        std::memcpy(raw, &count, 4);
        plain.insert(plain.end(), raw, raw + 4);
        plain.insert(plain.end(), bytes.begin(), bytes.end());
    };
    put(3, Filled(3, 's'));
    put(0, {});
    put(-7, {});
    put(2, Filled(2, 'z'));
    std::vector<uint8_t> block = WriteCompressedBlock(plain, false);
    std::vector<uint8_t> file = Filled(100, 'M');
    file.insert(file.end(), block.begin(), block.end());
    for (uint8_t kind : {0, 15, 16, 17}) file.push_back(kind);
    PackageTrailer trailer;
    trailer.StreamCount = 4;
    trailer.StreamBlockOffset = 100;
    trailer.StreamBlockSize = static_cast<int64_t>(block.size());
    trailer.FileDataOffset = 100 + trailer.StreamBlockSize;
    trailer.ModeFlag = SetupModeFlag;
    uint8_t bytes[PackageTrailerSize];
    std::memcpy(bytes, &trailer, sizeof bytes);
    file.insert(file.end(), bytes, bytes + sizeof bytes);

    LoadedPackage package;
    ASSERT_EQ(Load(file, package), PackageLoadResult::Loaded);
    std::vector<uint8_t> content;
    for (int kind : {15, 16}) {
        ASSERT_TRUE(ReadWholeFile(TempFileNameIn(folder_, kind), content)) << kind;
        EXPECT_TRUE(content.empty()) << kind;
    }
    ASSERT_TRUE(ReadWholeFile(TempFileNameIn(folder_, 17), content));
    EXPECT_EQ(content, Filled(2, 'z')) << "the stream after the empty ones is read in its place";
}

TEST(CopyStreamBytes, CopiesInPiecesAndStopsAtTheSourceEnd) {
    std::vector<uint8_t> data(1300000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 13);
    MemoryStream source(data), destination;
    source.Seek(10);
    EXPECT_EQ(CopyStreamBytes(destination, source, 1200000), 1200000);
    EXPECT_TRUE(std::equal(destination.Bytes().begin(), destination.Bytes().end(), data.begin() + 10));
    MemoryStream rest;
    EXPECT_EQ(CopyStreamBytes(rest, source, 500000), int64_t(data.size() - 1200010)) << "short source";
}

TEST(TempFileNameIn, NumbersWithSign) {
    EXPECT_EQ(TempFileNameIn("C:\\T\\$inst\\", 6), "C:\\T\\$inst\\6.tmp");
    EXPECT_EQ(TempFileNameIn("x\\", -3), "x\\-3.tmp");
}
