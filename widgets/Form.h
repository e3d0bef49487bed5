#pragma once
// A top-level window holding controls: the wizard, the language dialog, the background window.

#include "widgets/PaintedWindow.h"

namespace tarnwick {

class Button;

enum class FormFrame {
    Normal,  // caption bar with system menu and minimize box; no maximize box; not resizable
    Dialog,  // caption bar with system menu, dialog frame, no icon, no minimize or maximize box
    None,    // no caption bar and no frame (a popup); it keeps a system menu
};

struct FormArgs {
    // The owner (the ApplicationWindow): owned forms have no taskbar button of their own and
    // stay above their owner.
    HWND owner = nullptr;
    // The window class; distinct names let the end-to-end driver tell forms apart.
    std::string className = "TarnwickForm";
    std::string caption;
    int x = 0;
    int y = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    FormFrame frame = FormFrame::Normal;
    // An icon resource of the program ("MAINICON"); none when null or not found.
    const char* iconResource = nullptr;
    FontSpec font;
    std::optional<COLORREF> background;  // the button face colour when not given
};

class Form : public PaintedWindow {
public:
    ~Form() override;
    // Created hidden.
    bool Create(const FormArgs& args);

    void SetClientSize(int width, int height);
    void CentreOnScreen();

    // Enter clicks the default button and Esc the cancel button, while they are enabled
    // (see TranslateDialogMessage in MessageLoop.h). Null removes the role.
    void SetDefaultButton(Button* button);
    void SetCancelButton(Button* button);
    Button* DefaultButton() const { return defaultButton_; }
    Button* CancelButton() const { return cancelButton_; }

    // Closing the main form (once onClose allowed it) ends the message loop.
    void SetMainForm(bool isMain) { isMainForm_ = isMain; }

    // Shows the form modally: every other window of the thread is disabled until EndModal, or
    // until the form is closed (result 0). Returns the result given to EndModal.
    int ShowModal();
    void EndModal(int result);
    bool InModal() const { return inModal_; }

    // Asks the form to close as the caption bar's close button does (posts WM_CLOSE).
    void RequestClose();

    // Events.
    // A close request (close button, Alt+F4, RequestClose); set allow to false to refuse it.
    // When allowed: a modal form ends its modal run, the main form ends the message loop, any
    // other form is hidden.
    std::function<void(bool& allow)> onClose;
    std::function<void()> onMinimize;        // before the form (and, if it owns it, the application) minimizes
    std::function<void()> onRestore;         // the form, or the application window owning it, is restored
    std::function<void(bool active)> onActivateApp;
    std::function<void(bool shown)> onShow;  // WM_SHOWWINDOW
    std::function<void()> onMouseDown;       // any button, on the form or on a label of it
    std::function<void()> onDoubleClick;

    // The message loop's Enter and Esc handling for this form; true when the key was used.
    bool HandleDialogKey(const MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RaiseRestore() {
        if (onRestore) onRestore();
    }
    friend class ApplicationWindow;

    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    bool isMainForm_ = false;
    bool inModal_ = false;
    int modalResult_ = 0;
    HWND lastFocus_ = nullptr;
};

}  // namespace tarnwick
