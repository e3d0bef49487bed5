#pragma once
// The install log: the one file through which an installation tells its uninstaller what it made.
// An INI-format text in two sections:
//
//   [f]            1=<path> .. n=<path>   files and shortcuts the uninstaller deletes
//   [s]            0=<n>                  how many paths section f holds
//                  1=<install folder>     with its trailing backslash
//                  2=<language index>     0-based position in the LanguageList
//
// Every line, the last included, ends with CR LF. Writing and reading the file are in
// uninstall/win32/InstallLog.h; the bytes are made here so that they can be checked anywhere.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// The paths an installation created and its uninstaller must delete, in the order they were made:
// the extracted files that ask to be logged, then every shortcut saved. Lives from the start of the
// install sequence until the log is written. A path added twice is listed twice.
class LoggedPaths {
public:
    void Add(const std::string& path) { paths_.push_back(path); }
    int Count() const { return static_cast<int>(paths_.size()); }
    const std::string& Item(int index) const { return paths_.at(static_cast<size_t>(index)); }
    void Clear() { paths_.clear(); }

private:
    std::vector<std::string> paths_;
};

// Section and key names of the log.
constexpr const char* LogPathSection = "f";
constexpr const char* LogStateSection = "s";

// The whole log file's bytes for these paths, install folder (already ending with its backslash)
// and language index.
std::string InstallLogText(const LoggedPaths& paths, const std::string& installFolder, uint8_t languageIndex);

}  // namespace tarnwick
