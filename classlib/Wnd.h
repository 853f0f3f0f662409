// CWnd: a window object of the class library, around the window handle m_hWnd.
#pragma once

#include "CmdTarget.h"

class CWnd : public CCmdTarget
{
public:
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
    }
    // The help context that a help request from this window opens; 0 when it has none.
    virtual DWORD GetHelpContext() const { return 0; }

    HWND m_hWnd = nullptr;
};
