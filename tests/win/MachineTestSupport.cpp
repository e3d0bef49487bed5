#include "MachineTestSupport.h"

#include <vector>

namespace testsupport {

std::string TestKeyPath(const std::string& name) { return "Software\\TarnwickTests\\" + name; }

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void DeleteKeyTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::string& child : children) DeleteKeyTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

bool QueryValue(HKEY root, const std::string& path, const std::string& name, DWORD& type, std::string& bytes) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        bytes.assign(size, '\0');
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size);
        bytes.resize(size);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

void RemoveFolderTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

std::string MakeScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    RemoveFolderTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Start(const std::string& program, const std::string& arguments) {
    Kill();
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    return true;
}

long ChildProcess::Wait(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}

void ChildProcess::Kill() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

}  // namespace testsupport
