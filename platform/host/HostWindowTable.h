// The host layer's windows: each HWND names an entry of one table, with its class's window
// procedure.
#pragma once

#include "HostUser.h"

#include <string>

struct HostWindow
{
    std::string className;
    WNDPROC pfnProc = nullptr;
    HWND hParent = nullptr;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    int nId = 0;
    std::string text;
};

// The window behind hWnd, or null.
HostWindow* HostFindWindow(HWND hWnd);
