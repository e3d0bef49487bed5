#pragma once
// A single- or multi-line edit box, styled by option bits as the setup script stores them.

#include "widgets/Window.h"

namespace tarnwick {

// Edit option bits. The scroll bits work the other way round: set, they turn scrolling off.
enum EditOption : unsigned {
    EditNoAutoHScroll = 1u << 0,  // clear: ES_AUTOHSCROLL (and WS_HSCROLL when multi-line)
    EditNoAutoVScroll = 1u << 1,  // clear: ES_AUTOVSCROLL (and WS_VSCROLL when multi-line)
    EditLowercase = 1u << 2,
    EditMultiline = 1u << 3,
    EditNoHideSelection = 1u << 4,
    EditOemConvert = 1u << 5,
    EditPassword = 1u << 6,       // typed characters are masked
    EditReadOnly = 1u << 7,
    EditUppercase = 1u << 8,
    EditWantReturn = 1u << 9,
    EditWantTab = 1u << 10,       // Tab is typed into the edit instead of moving the focus
};

// The ES_* and WS_*SCROLL window styles for the option bits (EditWantTab has no style).
DWORD EditStyleFromOptions(unsigned options);

struct EditArgs : ControlArgs {
    unsigned options = 0;  // EditOption bits
};

class Edit : public Window {
public:
    bool Create(const EditArgs& args);

    // On every change of the text: typing, pasting, and SetText (EN_CHANGE).
    std::function<void()> onChange;

    void SetReadOnly(bool readOnly);
    void SelectAll();

protected:
    bool OnCommand(WORD notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool wantTab_ = false;
};

}  // namespace tarnwick
