#pragma once
// The application window: a top-level window without content that carries the program's
// taskbar button and title and owns the forms (which then have no taskbar buttons of their own).
// Minimizing an owned form minimizes this window, which hides all the forms with it; restoring it
// from the taskbar brings them back and raises the main form's onRestore.

#include "widgets/Window.h"

namespace tarnwick {

class Form;

class ApplicationWindow : public Window {
public:
    // Created hidden with the caption; Show() gives the program its taskbar button.
    bool Create(const std::string& caption);
    // The form whose onRestore follows a restore and which receives a close from the taskbar.
    void SetMainForm(Form* form) { mainForm_ = form; }
    void Minimize();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FocusActivePopup();
    Form* mainForm_ = nullptr;
};

}  // namespace tarnwick
