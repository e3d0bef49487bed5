#pragma once
// Byte streams: the one seam through which portable code reads and writes files and memory.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick {

class Stream {
public:
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    virtual ~Stream() = default;

    // Reads up to count bytes; returns the number read, 0 at the end, -1 on an error.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Writes count bytes; returns the number written, or -1 on an error.
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves to an absolute position; a position past the end is allowed (reads then deliver 0).
    virtual bool Seek(int64_t position) = 0;
    virtual int64_t Position() const = 0;
    virtual int64_t Size() const = 0;

    // Reads exactly count bytes, or returns false.
    bool ReadExact(void* buffer, int32_t count);
    bool WriteAll(const void* buffer, size_t count);

protected:
    Stream(Stream&&) = default;
    Stream& operator=(Stream&&) = default;
};

class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    MemoryStream(MemoryStream&&) = default;
    MemoryStream& operator=(MemoryStream&&) = default;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    bool Seek(int64_t position) override;
    int64_t Position() const override { return position_; }
    int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> TakeBytes() { position_ = 0; return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
};

// A file opened through the C runtime; on Windows its paths are ANSI, like the rest of the system.
class FileStream final : public Stream {
public:
    enum class Mode { Read, CreateOrTruncate, ReadWrite };
    // Null when the file cannot be opened in that mode.
    static std::unique_ptr<FileStream> Open(const std::string& path, Mode mode);
    ~FileStream() override;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    bool Seek(int64_t position) override;
    int64_t Position() const override;
    int64_t Size() const override;

private:
    explicit FileStream(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

// Whole-file helpers for tools and tests.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tarnwick
