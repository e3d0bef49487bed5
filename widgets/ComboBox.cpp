#include "widgets/ComboBox.h"

namespace tarnwick {

bool ComboBox::Create(const ComboBoxArgs& args) {
    ComboBoxArgs full = args;
    // CreateWindow takes the height with the list dropped down; the control then sizes its
    // closed part from its font.
    full.bounds.height = args.bounds.height + args.dropDownHeight;
    return CreateControl("COMBOBOX", full,
                         CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP);
}

int ComboBox::AddItem(const std::string& text) {
    if (!Handle()) return -1;
    LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

void ComboBox::Clear() {
    if (Handle()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::Count() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)) : 0;
}

std::string ComboBox::ItemText(int index) const {
    if (!Handle()) return {};
    LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

int ComboBox::SelectedIndex() const {
    if (!Handle()) return -1;
    LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::Select(int index) {
    if (Handle()) SendMessageA(Handle(), CB_SETCURSEL, index, 0);
}

bool ComboBox::OnCommand(WORD notification) {
    if (notification != CBN_SELCHANGE) return false;
    if (onChange) onChange();
    return true;
}

}  // namespace tarnwick
