// Real LZMA data that no one here wrote: the .lzma files of xz-utils' test corpus (from Debian's
// source package, unpacked by the set-up script). Each raw stream, put into a block behind its
// properties header, must decode to what the xz tool makes of the file; damaged ones must end.

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>

#include <cstdio>
#include <string>

#include "base/Stream.h"
#include "builder/BlockWriter.h"
#include "package/LZMA.h"

using namespace tarnwick;

namespace {

std::string CorpusFolder() {
    std::string deps = TARNWICK_DEPS_DIR;
    std::string src = deps + "/src/";
    DIR* dir = opendir(src.c_str());
    if (!dir) return {};
    std::string found;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.rfind("xz-utils-", 0) == 0 && name.find('.') != std::string::npos &&
            name.find(".tar") == std::string::npos && name.find(".dsc") == std::string::npos) {
            found = src + name + "/tests/files/";
        }
    }
    closedir(dir);
    return found;
}

std::vector<std::string> LZMAFiles(const std::string& folder) {
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name.size() > 5 && name.compare(name.size() - 5, 5, ".lzma") == 0) files.push_back(name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// What the xz tool decodes from a .lzma file (possibly a prefix, when it reports an error).
std::vector<uint8_t> DecodeWithXZ(const std::string& path) {
    std::vector<uint8_t> out;
    std::FILE* pipe = popen(("xz -dc --format=lzma '" + path + "' 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.insert(out.end(), buffer, buffer + n);
    pclose(pipe);
    return out;
}

// A .lzma file is the 5-byte properties header, an 8-byte uncompressed size, then raw LZMA data.
// Our block payload is the same without the size.
std::vector<uint8_t> BlockFromLZMAFile(const std::vector<uint8_t>& file) {
    std::vector<uint8_t> payload(file.begin(), file.begin() + 5);
    payload.insert(payload.end(), file.begin() + 13, file.end());
    return WrapBlockPayload(payload, true);
}

}  // namespace

TEST(LZMACorpus, DecodesLikeTheXZTool) {
    const std::string folder = CorpusFolder();
    const std::vector<std::string> files = LZMAFiles(folder);
    ASSERT_GE(files.size(), 8u) << "the xz-utils test corpus is missing under " << folder
                               << " (scripts/setup-machine.sh unpacks it)";
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> file;
        ASSERT_TRUE(ReadWholeFile(folder + name, file));
        ASSERT_GT(file.size(), 13u);
        const std::vector<uint8_t> expected = DecodeWithXZ(folder + name);
        const bool good = name.rfind("good-", 0) == 0;
        if (good) {
            ASSERT_FALSE(expected.empty());
        }

        // Byte by byte until the reader fails, with a cap: it must stop, and never deliver a byte
        // that differs from the tool's output.
        MemoryStream stream(BlockFromLZMAFile(file));
        TCompressedBlockReader reader(stream, &TLZMADecompressor::Create);
        std::vector<uint8_t> decoded;
        uint8_t byte;
        while (decoded.size() < (1u << 20) && reader.Read(&byte, 1)) decoded.push_back(byte);
        EXPECT_LT(decoded.size(), 1u << 20) << "decoding did not end";
        if (good) {
            EXPECT_EQ(decoded, expected);
        } else {
            ASSERT_LE(expected.size(), decoded.size() + 64);
            size_t common = std::min(decoded.size(), expected.size());
            EXPECT_TRUE(std::equal(decoded.begin(), decoded.begin() + common, expected.begin()));
        }
    }
}
