#pragma once
// Small helpers of the Windows-side tests that touch the machine: scratch registry keys and
// folders, and helper programs run as processes of their own.

#include <windows.h>

#include <string>

namespace testsupport {

// "Software\TarnwickTests\" + name: a key of the tests' own under HKEY_CURRENT_USER.
std::string TestKeyPath(const std::string& name);
bool KeyExists(HKEY root, const std::string& path);
// Deletes the key with all its subkeys; nothing when it does not exist.
void DeleteKeyTree(HKEY root, const std::string& path);

// A registry value as it is stored: type and bytes. False when the value cannot be read.
bool QueryValue(HKEY root, const std::string& path, const std::string& name, DWORD& type, std::string& bytes);

bool FolderExists(const std::string& path);
// The folder that holds the running test program, with a trailing backslash; helpers live there.
std::string TestProgramFolder();
// A folder for one test under the temporary folder, created empty (path without trailing backslash).
std::string MakeScratchFolder(const std::string& name);
void RemoveFolderTree(const std::string& path);

// A helper program started with an argument text; killed on destruction if still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Start(const std::string& program, const std::string& arguments);
    // The exit code, or -1 on a time-out.
    long Wait(DWORD timeoutMs);
    void Kill();

private:
    HANDLE process_ = nullptr;
};

}  // namespace testsupport
