#include "driver/Driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

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

bool WaitForProcessEnd(const std::string& fileName, DWORD timeoutMs) {
    DWORD processId = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
            if (lstrcmpiA(entry.szExeFile, fileName.c_str()) == 0) processId = entry.th32ProcessID;
        }
        CloseHandle(snapshot);
    }
    if (!processId) return true;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return true;
    bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
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

namespace {

struct ControlSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ControlSearch*>(context);
    if (GetDlgCtrlID(window) != search->controlId) return TRUE;
    search->found = window;
    return FALSE;
}

// Memory in the program under test, for control messages that take pointers: unlike WM_GETTEXT,
// the system does not copy their structures between processes. Both processes must have the
// same pointer size (the tests and the test copy of the runtime are both 64-bit).
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Valid() const { return address_ != nullptr; }
    char* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t count) {
        SIZE_T done = 0;
        return offset + count <= size_ && WriteProcessMemory(process_, Address(offset), data, count, &done) &&
               done == count;
    }
    bool Read(size_t offset, void* data, size_t count) const {
        SIZE_T done = 0;
        return offset + count <= size_ && ReadProcessMemory(process_, Address(offset), data, count, &done) &&
               done == count;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

// A user can act on a control only while it and its window are shown and enabled.
bool Actionable(HWND control) {
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
    HWND root = GetAncestor(control, GA_ROOT);
    return root && IsWindowEnabled(root);
}

// UTF-16 to the ANSI code page, as the program under test holds its texts.
std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], size, nullptr, nullptr);
    return text;
}

LPARAM KeyMessageBits(UINT virtualKey, bool release) {
    LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0 /* MAPVK_VK_TO_VSC */)) << 16;
    LPARAM bits = 1 | scanCode;
    if (release) bits |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
    return bits;
}

}  // namespace

HWND FindControl(HWND root, int controlId) {
    if (!root) return nullptr;
    ControlSearch search{controlId, nullptr};
    EnumChildWindows(root, &MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForControl(HWND root, int controlId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND control = FindControl(root, controlId)) return control;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(50);
    }
}

bool IsVisible(HWND window) { return window && IsWindowVisible(window); }
bool IsEnabled(HWND window) { return window && IsWindowEnabled(window); }

bool IsChecked(HWND checkBoxOrRadio) {
    return checkBoxOrRadio && SendMessageA(checkBoxOrRadio, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT ControlRect(HWND control) {
    RECT rect{};
    if (!control) return rect;
    GetWindowRect(control, &rect);
    if (GetWindowLongPtrA(control, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

HWND FocusedControl(HWND anyWindowOfTheThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(anyWindowOfTheThread, nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info)) return nullptr;
    return info.hwndFocus;
}

std::vector<std::string> ListViewRows(HWND listView) {
    std::vector<std::string> rows;
    int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return rows;
    const size_t textSize = 1024;
    RemoteMemory memory(listView, sizeof(LVITEMA) + textSize);
    if (!memory.Valid()) return rows;
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = memory.Address(sizeof(LVITEMA));
        item.cchTextMax = static_cast<int>(textSize);
        memory.Write(0, &item, sizeof item);
        SendMessageA(listView, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(memory.Address()));
        std::string text(textSize, '\0');
        memory.Read(sizeof(LVITEMA), &text[0], textSize);
        text.resize(std::strlen(text.c_str()));
        rows.push_back(text);
    }
    return rows;
}

int ListViewSelection(HWND listView) {
    return static_cast<int>(SendMessageA(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ClickListViewRow(HWND listView, int row) {
    if (!Actionable(listView)) return false;
    int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    if (row < 0 || row >= count) return false;
    RemoteMemory memory(listView, sizeof(RECT));
    if (!memory.Valid()) return false;
    RECT rect{};
    rect.left = LVIR_LABEL;
    memory.Write(0, &rect, sizeof rect);
    if (!SendMessageA(listView, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(memory.Address()))) return false;
    memory.Read(0, &rect, sizeof rect);
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageA(listView, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(listView, WM_LBUTTONUP, 0, point);
    return true;
}

std::vector<std::string> ComboItems(HWND comboBox) {
    // Asked in UTF-16 and converted here: Wine hands CB_GETLBTEXT's reply to another process in
    // UTF-16 even to the ANSI call, overrunning a buffer sized for ANSI text.
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageW(comboBox, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, i, 0);
        if (length < 0) length = 0;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = SendMessageW(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
        wide.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        items.push_back(Narrow(wide));
    }
    return items;
}

int ComboSelection(HWND comboBox) {
    LRESULT index = SendMessageA(comboBox, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

bool ChooseComboItem(HWND comboBox, int index) {
    if (!Actionable(comboBox)) return false;
    if (SendMessageA(comboBox, CB_SETCURSEL, index, 0) == CB_ERR) return false;
    PostMessageA(GetParent(comboBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(comboBox), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(comboBox));
    return true;
}

int TextLength(HWND window) { return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)); }

int ProgressPosition(HWND progressBar) { return static_cast<int>(SendMessageA(progressBar, PBM_GETPOS, 0, 0)); }

bool ClickButton(HWND root, int controlId) { return ClickButton(FindControl(root, controlId)); }

bool ClickButton(HWND button) {
    if (!Actionable(button)) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

bool AnswerMessageBox(HWND box, int buttonId) { return ClickButton(GetDlgItem(box, buttonId)); }

bool TypeText(HWND edit, const std::string& text, bool replace) {
    if (!Actionable(edit)) return false;
    // Sent, not posted: each character is in the edit (and its change handled) before the next.
    if (replace) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    } else {
        LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
        SendMessageA(edit, EM_SETSEL, end, end);
    }
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    return true;
}

bool PressKey(HWND anyWindowOfTheProgram, UINT virtualKey) {
    HWND target = FocusedControl(anyWindowOfTheProgram);
    if (!target) target = anyWindowOfTheProgram;
    if (!target) return false;
    PostMessageA(target, WM_KEYDOWN, virtualKey, KeyMessageBits(virtualKey, false));
    PostMessageA(target, WM_KEYUP, virtualKey, KeyMessageBits(virtualKey, true));
    return true;
}

bool SaveScreenshot(const std::string& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) return false;

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as BMP files usually are
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    info.biSizeImage = stride * static_cast<DWORD>(height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory && dib) {
        HGDIOBJ old = SelectObject(memory, dib);
        ok = BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + info.biSizeImage;
        HANDLE out =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ok = out != INVALID_HANDLE_VALUE && WriteFile(out, &file, sizeof file, &written, nullptr) &&
             WriteFile(out, &info, sizeof info, &written, nullptr) &&
             WriteFile(out, bits, info.biSizeImage, &written, nullptr) && written == info.biSizeImage;
        if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    }
    if (dib) DeleteObject(dib);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
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
            bool file = !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
            if (file) DeleteFileA((folder + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return folder;
}

}  // namespace driver
