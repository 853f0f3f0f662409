// CWnd: a window object of the class library, as far as the application object needs one. The
// dialog classes build on it.
#pragma once

#include "CmdTarget.h"

class CWnd : public CCmdTarget
{
public:
    // The help context that a help request from this window opens; 0 when it has none.
    virtual DWORD GetHelpContext() const { return 0; }

    HWND m_hWnd = nullptr;
};
