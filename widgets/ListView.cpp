#include "widgets/ListView.h"

#include <commctrl.h>

#include <vector>

#include "widgets/CommonControls.h"

namespace tarnwick {

bool ListView::Create(const ListViewArgs& args) {
    EnsureCommonControls();
    DWORD style = LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP;
    if (!CreateControl(WC_LISTVIEWA, args, style, WS_EX_CLIENTEDGE)) return false;
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = args.columnWidth;
    SendMessageA(Handle(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    if (args.background) SetBackgroundColor(*args.background);
    if (args.textColor) SetTextColor(*args.textColor);
    return true;
}

int ListView::AddRow(const std::string& text) {
    if (!Handle()) return -1;
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::Clear() {
    if (Handle()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int ListView::RowCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::RowText(int row) const {
    if (!Handle() || row < 0 || row >= RowCount()) return {};
    // LVM_GETITEMTEXT reports only how much it copied: grow the buffer until the text fits.
    for (size_t size = 256;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        LRESULT copied = SendMessageA(Handle(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (copied < static_cast<LRESULT>(size) - 1 || size >= (1u << 20)) return std::string(item.pszText);
    }
}

int ListView::SelectedIndex() const {
    if (!Handle()) return -1;
    return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int row) {
    if (!Handle()) return;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void ListView::EnsureVisible(int row) {
    if (Handle()) SendMessageA(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

void ListView::SetBackgroundColor(COLORREF color) {
    backgroundColor_ = color;
    if (!Handle()) return;
    SendMessageA(Handle(), LVM_SETBKCOLOR, 0, color);
    SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, color);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ListView::SetTextColor(COLORREF color) {
    textColor_ = color;
    if (!Handle()) return;
    SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, color);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool ListView::OnNotify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
    case NM_CLICK:
        if (onClick) onClick();
        result = 0;
        return true;
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        bool becameSelected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
        if ((change->uChanged & LVIF_STATE) && becameSelected) {
            if (onSelectionChange) onSelectionChange();
        }
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

LRESULT ListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Window::HandleMessage(message, wParam, lParam);
    if (message == WM_KEYUP && onKeyUp) onKeyUp();
    return result;
}

}  // namespace tarnwick
