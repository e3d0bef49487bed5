#pragma once
// A read-only rich text box (license, information and summary texts), loaded from RTF.

#include <cstdint>
#include <vector>

#include "widgets/Window.h"

namespace tarnwick {

struct RichEditArgs : ControlArgs {
    bool readOnly = true;
    bool tabStop = false;
};

class RichEdit : public Window {
public:
    bool Create(const RichEditArgs& args);

    // Replaces the contents with an RTF document (EM_STREAMIN, SF_RTF). Text that is not RTF is
    // shown as plain text by the control. False when the control refused the stream.
    bool LoadRtf(const std::vector<uint8_t>& rtf);
    bool LoadRtf(const std::string& rtf);
    // The length of the plain text, as the control counts it (a paragraph end counts as one).
    int TextLength() const;

    void SetBackgroundColor(COLORREF color) override;
    void SetTextColor(COLORREF color) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tarnwick
