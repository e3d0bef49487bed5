#include "driver/Driver.h"

#include <algorithm>

namespace driver {

Program::Program(Program&& other) noexcept { *this = std::move(other); }

Program& Program::operator=(Program&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = other.process_;
        processId_ = other.processId_;
        other.process_ = nullptr;
        other.processId_ = 0;
    }
    return *this;
}

Program::~Program() { Kill(); }

bool Program::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    Kill();
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!process_) return false;
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_, exitCode);
    return true;
}

void Program::Kill() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 255);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    if (search->className) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->className) != 0) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> windows = TopLevelWindows(processId, className);
        if (!windows.empty()) return windows.front();
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(50);
    }
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND dialog : TopLevelWindows(processId, "#32770")) {
            if (GetDlgItem(dialog, 0xFFFF)) return dialog;
        }
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(50);
    }
}

std::string WindowText(HWND window) {
    // WM_GETTEXT works across processes, unlike GetWindowText on another process's controls.
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

MessageBoxText ReadMessageBox(HWND box) {
    return {WindowText(box), WindowText(GetDlgItem(box, 0xFFFF))};
}

HWND Control(HWND parent, int controlId) { return GetDlgItem(parent, controlId); }

bool ClickButton(HWND parent, int controlId) {
    HWND button = GetDlgItem(parent, controlId);
    if (!button) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

std::string MakeScratchFolder(const std::string& name) {
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "tarnwick-test-" + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    // Empty it: files only, which is all the tests leave there.
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return folder;
}

}  // namespace driver
