#include "base/Stream.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

#ifdef _WIN32
#define TARNWICK_FSEEK _fseeki64
#define TARNWICK_FTELL _ftelli64
#else
#define TARNWICK_FSEEK fseeko
#define TARNWICK_FTELL ftello
#endif

bool Stream::ReadExact(void* buffer, int32_t count) {
    auto* out = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        int32_t n = Read(out, count);
        if (n <= 0) return false;
        out += n;
        count -= n;
    }
    return true;
}

bool Stream::WriteAll(const void* buffer, size_t count) {
    auto* in = static_cast<const uint8_t*>(buffer);
    while (count > 0) {
        int32_t piece = static_cast<int32_t>(std::min<size_t>(count, 1u << 30));
        if (Write(in, piece) != piece) return false;
        in += piece;
        count -= static_cast<size_t>(piece);
    }
    return true;
}

int32_t MemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || position_ >= bytes_.size()) return 0;
    size_t n = std::min<size_t>(static_cast<size_t>(count), bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<int32_t>(n);
}

int32_t MemoryStream::Write(const void* buffer, int32_t count) {
    if (count < 0) return -1;
    if (count == 0) return 0;
    size_t end = position_ + static_cast<size_t>(count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
}

bool MemoryStream::Seek(int64_t position) {
    if (position < 0) return false;
    position_ = static_cast<size_t>(position);
    return true;
}

std::unique_ptr<FileStream> FileStream::Open(const std::string& path, Mode mode) {
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::CreateOrTruncate ? "w+b" : "r+b";
    std::FILE* file = std::fopen(path.c_str(), how);
    if (!file) return nullptr;
    return std::unique_ptr<FileStream>(new FileStream(file));
}

FileStream::~FileStream() { std::fclose(file_); }

int32_t FileStream::Read(void* buffer, int32_t count) {
    if (count <= 0) return 0;
    size_t n = std::fread(buffer, 1, static_cast<size_t>(count), file_);
    if (n == 0 && std::ferror(file_)) return -1;
    return static_cast<int32_t>(n);
}

int32_t FileStream::Write(const void* buffer, int32_t count) {
    if (count < 0) return -1;
    size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), file_);
    return n == static_cast<size_t>(count) ? count : -1;
}

bool FileStream::Seek(int64_t position) {
    return position >= 0 && TARNWICK_FSEEK(file_, position, SEEK_SET) == 0;
}

int64_t FileStream::Position() const { return TARNWICK_FTELL(file_); }

int64_t FileStream::Size() const {
    int64_t here = TARNWICK_FTELL(file_);
    if (TARNWICK_FSEEK(file_, 0, SEEK_END) != 0) return -1;
    int64_t size = TARNWICK_FTELL(file_);
    TARNWICK_FSEEK(file_, here, SEEK_SET);
    return size;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    auto file = FileStream::Open(path, FileStream::Mode::Read);
    if (!file) return false;
    int64_t size = file->Size();
    if (size < 0 || size > INT32_MAX) return false;
    bytes.resize(static_cast<size_t>(size));
    return size == 0 || file->ReadExact(bytes.data(), static_cast<int32_t>(size));
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    auto file = FileStream::Open(path, FileStream::Mode::CreateOrTruncate);
    return file && file->WriteAll(bytes.data(), bytes.size());
}

}  // namespace tarnwick
