#include "base/win32/MessageBoxOwner.h"

namespace tarnwick {

namespace {
HWND messageBoxOwner = nullptr;
}

void SetMessageBoxOwner(HWND owner) { messageBoxOwner = owner; }
HWND MessageBoxOwner() { return messageBoxOwner; }

}  // namespace tarnwick
