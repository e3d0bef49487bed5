#pragma once
// A progress bar, smooth (one continuous bar rather than blocks) and painted without flicker.

#include "widgets/Window.h"

namespace tarnwick {

struct ProgressBarArgs : ControlArgs {
    bool smooth = true;
    bool doubleBuffered = true;
};

class ProgressBar : public Window {
public:
    bool Create(const ProgressBarArgs& args);

    void SetRange(int minimum, int maximum);
    int Minimum() const;
    int Maximum() const;
    int Position() const;
    void SetPosition(int position);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool doubleBuffered_ = true;
};

}  // namespace tarnwick
