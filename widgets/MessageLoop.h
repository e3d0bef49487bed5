#pragma once
// The GUI thread's message loop, with the keyboard handling of dialogs for every form: Enter for
// the default button, Esc for the cancel button, Tab and Shift+Tab between controls, arrow keys
// within a group of radio buttons, Alt+letter for mnemonics.

#include <windows.h>

namespace tarnwick {

// Runs until WM_QUIT; returns its exit code (PostQuitMessage's argument).
int RunMessageLoop();

// Handles every window message that is waiting, then returns. Long steps call it between items
// so that the windows stay responsive. A WM_QUIT met on the way is posted again, so the loop
// that runs the program still ends. Install it with InstallMessagePump (base/MessagePump.h).
void ProcessPendingMessages();

// The keyboard handling of dialogs for a message bound for a form of this layer (Form); true
// when the message was used and must not be dispatched.
bool TranslateDialogMessage(MSG& message);

}  // namespace tarnwick
