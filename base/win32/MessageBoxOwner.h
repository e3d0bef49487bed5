#pragma once
// The window that owns the program's message boxes: the application window once it exists.

#include <windows.h>

namespace tarnwick {

void SetMessageBoxOwner(HWND owner);
HWND MessageBoxOwner();

}  // namespace tarnwick
