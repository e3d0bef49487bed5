// The process entry of the runtime. Everything it does lives in the library (startup/win32/Main.h)
// so that tests can build programs of their own around it.

#include <windows.h>

#include "startup/win32/Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { tarnwick::RunProgram(); }
