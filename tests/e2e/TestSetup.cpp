#include "TestSetup.h"

#include <windows.h>

#include <stdexcept>

#include "base/Stream.h"

namespace e2e {

namespace {
std::string runtimePath;
}

void SetRuntimePath(const std::string& path) { runtimePath = path; }
const std::string& RuntimePath() { return runtimePath; }

const std::vector<uint8_t>& RuntimeImage() {
    static const std::vector<uint8_t> image = [] {
        std::vector<uint8_t> bytes;
        if (!tarnwick::ReadWholeFile(runtimePath, bytes)) throw std::runtime_error("cannot read " + runtimePath);
        return bytes;
    }();
    return image;
}

std::string WriteProgram(const std::string& folder, const std::string& fileName, const std::vector<uint8_t>& bytes) {
    std::string path = folder + fileName;
    if (!tarnwick::WriteWholeFile(path, bytes)) throw std::runtime_error("cannot write " + path);
    return path;
}

std::string WriteSetup(const std::string& folder, const std::string& fileName, tarnwick::PackageContents contents) {
    if (contents.ProgramImage.empty()) contents.ProgramImage = RuntimeImage();
    return WriteProgram(folder, fileName, tarnwick::AssemblePackage(contents));
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string RuntimeTempFolder() {
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    std::string path = temp;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + "$inst\\";
}

}  // namespace e2e
