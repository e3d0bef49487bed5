#include "widgets/ToggleButton.h"

#include <algorithm>

namespace tarnwick {

bool ToggleButton::CreateToggle(const ToggleButtonArgs& args, DWORD buttonStyle) {
    autoSize_ = args.autoSize;
    if (!CreateControl("BUTTON", args, buttonStyle | WS_TABSTOP)) return false;
    SetChecked(args.checked);
    FitToText();
    return true;
}

bool ToggleButton::Checked() const {
    return Handle() && SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ToggleButton::SetChecked(bool checked) {
    if (Handle()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ToggleButton::OnCommand(WORD notification) {
    if (notification != BN_CLICKED) return false;
    if (onClick) onClick();
    return true;
}

void ToggleButton::OnContentChanged() { FitToText(); }

void ToggleButton::FitToText() {
    if (!autoSize_ || !Handle()) return;
    std::string text = Text();
    HDC dc = GetDC(Handle());
    HGDIOBJ oldFont = SelectObject(dc, FontHandle() ? FontHandle() : GetStockObject(SYSTEM_FONT));
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, text.empty() ? " " : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    ReleaseDC(Handle(), dc);
    // The box (13 pixels at 96 dpi, the menu check mark's size elsewhere), the gap after it, and
    // room for the focus rectangle around the text.
    int box = std::max(13, GetSystemMetrics(SM_CXMENUCHECK));
    int width = box + 4 + rect.right + 4;
    int height = std::max(box + 4, static_cast<int>(rect.bottom) + 4);
    SetSize(width, height);
}

}  // namespace tarnwick
