#include "widgets/Edit.h"

namespace tarnwick {

DWORD EditStyleFromOptions(unsigned options) {
    bool multiline = (options & EditMultiline) != 0;
    DWORD style = 0;
    if (!(options & EditNoAutoHScroll)) style |= ES_AUTOHSCROLL | (multiline ? WS_HSCROLL : 0);
    if (!(options & EditNoAutoVScroll)) style |= ES_AUTOVSCROLL | (multiline ? WS_VSCROLL : 0);
    if (options & EditLowercase) style |= ES_LOWERCASE;
    if (multiline) style |= ES_MULTILINE;
    if (options & EditNoHideSelection) style |= ES_NOHIDESEL;
    if (options & EditOemConvert) style |= ES_OEMCONVERT;
    if (options & EditPassword) style |= ES_PASSWORD;
    if (options & EditReadOnly) style |= ES_READONLY;
    if (options & EditUppercase) style |= ES_UPPERCASE;
    if (options & EditWantReturn) style |= ES_WANTRETURN;
    return style;
}

bool Edit::Create(const EditArgs& args) {
    wantTab_ = (args.options & EditWantTab) != 0;
    return CreateControl("EDIT", args, EditStyleFromOptions(args.options) | WS_TABSTOP | WS_GROUP,
                         WS_EX_CLIENTEDGE);
}

void Edit::SetReadOnly(bool readOnly) {
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

void Edit::SelectAll() {
    if (Handle()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

bool Edit::OnCommand(WORD notification) {
    if (notification != EN_CHANGE) return false;
    if (onChange) onChange();
    return true;
}

LRESULT Edit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (wantTab_) {
        switch (message) {
        case WM_GETDLGCODE:
            return Window::HandleMessage(message, wParam, lParam) | DLGC_WANTTAB;
        case WM_KEYDOWN:
            // An edit inside a dialog-like window passes Tab on by itself; this one keeps it, and
            // a multi-line one types it.
            if (wParam != VK_TAB) break;
            if ((GetWindowLongPtrA(Handle(), GWL_STYLE) & (ES_MULTILINE | ES_READONLY)) == ES_MULTILINE) {
                SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
            }
            return 0;
        case WM_CHAR:
            if (wParam == '\t') return 0;  // typed on the key press above
            break;
        default:
            break;
        }
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick
