#include "widgets/Label.h"

namespace tarnwick {

bool Label::Create(const LabelArgs& args) {
    autoSize_ = args.autoSize;
    noPrefix_ = args.noPrefix;
    transparent_ = args.transparent;
    DWORD style = (args.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP) | (args.noPrefix ? SS_NOPREFIX : 0) | WS_GROUP;
    if (!CreateControl("STATIC", args, style)) return false;
    FitToText();
    return true;
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToText();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Label::OnContentChanged() { FitToText(); }

void Label::FitToText() {
    if (!autoSize_ || !Handle()) return;
    std::string text = Text();
    HDC dc = GetDC(Handle());
    HGDIOBJ oldFont = SelectObject(dc, FontHandle() ? FontHandle() : GetStockObject(SYSTEM_FONT));
    // The static control draws an unwrapped label with DT_LEFT | DT_EXPANDTABS from (0, 0).
    RECT rect{0, 0, 0, 0};
    UINT format = DT_CALCRECT | DT_LEFT | DT_EXPANDTABS | (noPrefix_ ? DT_NOPREFIX : 0);
    int height = DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (text.empty()) {
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        height = metrics.tmHeight;
        rect.right = 0;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(Handle(), dc);
    SetSize(rect.right, height);
}

}  // namespace tarnwick
