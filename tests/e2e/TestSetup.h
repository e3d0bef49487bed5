#pragma once
// Setups for end-to-end tests: the runtime with a package appended, written to a scratch folder.

#include <cstdint>
#include <string>
#include <vector>

#include "builder/PackageWriter.h"
#include "driver/Driver.h"

namespace e2e {

void SetRuntimePath(const std::string& path);
const std::string& RuntimePath();
// The runtime program's bytes, read once.
const std::vector<uint8_t>& RuntimeImage();

// Writes `contents` (ProgramImage defaulting to the runtime) as folder + fileName; returns the path.
std::string WriteSetup(const std::string& folder, const std::string& fileName, tarnwick::PackageContents contents);
// Writes raw bytes as a program file.
std::string WriteProgram(const std::string& folder, const std::string& fileName, const std::vector<uint8_t>& bytes);

// Directory helpers for checking what a run left behind.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The runtime's temporary folder, as the program under test sees it.
std::string RuntimeTempFolder();

}  // namespace e2e
