#include "widgets/RichEdit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace tarnwick {

namespace {

struct ByteSource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* delivered) {
    auto* source = reinterpret_cast<ByteSource*>(cookie);
    size_t count = std::min(static_cast<size_t>(wanted < 0 ? 0 : wanted), source->size - source->position);
    if (count) std::memcpy(buffer, source->data + source->position, count);
    source->position += count;
    *delivered = static_cast<LONG>(count);
    return 0;
}

bool LoadRichEditLibrary() {
    // Version 2 and later register "RichEdit20A"; the DLL stays loaded for the whole run.
    static HMODULE library = LoadLibraryA("riched20.dll");
    return library != nullptr;
}

}  // namespace

bool RichEdit::Create(const RichEditArgs& args) {
    if (!LoadRichEditLibrary()) return false;
    // No ES_AUTOHSCROLL and no horizontal scroll bar: lines wrap at the width.
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_NOHIDESEL | WS_GROUP |
                  (args.readOnly ? ES_READONLY : 0) | (args.tabStop ? WS_TABSTOP : 0);
    if (!CreateControl(RICHEDIT_CLASSA, args, style, WS_EX_CLIENTEDGE)) return false;
    if (args.background) SetBackgroundColor(*args.background);
    if (args.textColor) SetTextColor(*args.textColor);
    return true;
}

bool RichEdit::LoadRtf(const std::string& rtf) {
    return LoadRtf(std::vector<uint8_t>(rtf.begin(), rtf.end()));
}

bool RichEdit::LoadRtf(const std::vector<uint8_t>& rtf) {
    if (!Handle()) return false;
    ByteSource source{rtf.data(), rtf.size(), 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadBytes;
    SendMessageA(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

int RichEdit::TextLength() const {
    if (!Handle()) return 0;
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<int>(SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

void RichEdit::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    if (Handle()) SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, color);
}

void RichEdit::SetTextColor(COLORREF color) {
    textColor_ = color;
    if (!Handle()) return;
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = color;
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

LRESULT RichEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // An arrow, not the text cursor: the box is for reading.
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
