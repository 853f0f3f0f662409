#include "HostKernel.h"
#include "HostWindowTable.h"

#include <map>
#include <vector>

LRESULT HostListBoxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

namespace
{
struct WindowTable
{
    std::map<HWND, HostWindow> windows;
    std::map<std::string, WNDPROC> classes; // by upper-case name: names ignore case
    uintptr_t nextHandle = 0x10000;
};

std::string UpperCase(const char* psz)
{
    std::string s = psz ? psz : "";
    for (char& c : s)
    {
        if (c >= 'a' && c <= 'z')
        {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return s;
}

WindowTable& Table()
{
    static WindowTable table = []
    {
        WindowTable t;
        t.classes["LISTBOX"] = HostListBoxProc;
        return t;
    }();
    return table;
}
} // namespace

HostWindow* HostFindWindow(HWND hWnd)
{
    auto it = Table().windows.find(hWnd);
    return it == Table().windows.end() ? nullptr : &it->second;
}

WORD RegisterClassA(const WNDCLASSA* lpWndClass)
{
    if (lpWndClass == nullptr || lpWndClass->lpfnWndProc == nullptr ||
        !Table()
             .classes.emplace(UpperCase(lpWndClass->lpszClassName), lpWndClass->lpfnWndProc)
             .second)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return static_cast<WORD>(Table().classes.size());
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HANDLE hMenu,
                     HINSTANCE hInstance, LPVOID lpParam)
{
    WindowTable& table = Table();
    auto itClass = table.classes.find(UpperCase(lpClassName));
    if (itClass == table.classes.end() || (hWndParent != nullptr && !IsWindow(hWndParent)))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND hWnd = reinterpret_cast<HWND>(table.nextHandle);
    table.nextHandle += 4;
    HostWindow& window = table.windows[hWnd];
    window.className = lpClassName;
    window.pfnProc = itClass->second;
    window.hParent = hWndParent;
    window.dwStyle = dwStyle;
    window.dwExStyle = dwExStyle;
    window.nId = (dwStyle & WS_CHILD) ? static_cast<int>(reinterpret_cast<intptr_t>(hMenu)) : 0;
    window.text = lpWindowName ? lpWindowName : "";
    CREATESTRUCTA create = {lpParam,
                            hInstance,
                            hMenu,
                            hWndParent,
                            nHeight,
                            nWidth,
                            Y,
                            X,
                            static_cast<LONG>(dwStyle),
                            lpWindowName,
                            lpClassName,
                            dwExStyle};
    if (window.pfnProc(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1)
    {
        DestroyWindow(hWnd);
        return nullptr;
    }
    return hWnd;
}

BOOL DestroyWindow(HWND hWnd)
{
    HostWindow* pWindow = HostFindWindow(hWnd);
    if (pWindow == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    for (const auto& entry : Table().windows)
    {
        if (entry.second.hParent == hWnd)
        {
            children.push_back(entry.first);
        }
    }
    for (HWND hChild : children)
    {
        DestroyWindow(hChild);
    }
    SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
    Table().windows.erase(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd)
{
    return HostFindWindow(hWnd) != nullptr;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HostWindow* pWindow = HostFindWindow(hWnd);
    if (pWindow == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return pWindow->pfnProc(hWnd, Msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HostWindow* pWindow = HostFindWindow(hWnd);
    if (pWindow == nullptr)
    {
        return 0;
    }
    switch (Msg)
    {
    case WM_SETTEXT:
        pWindow->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
        return TRUE;
    case WM_GETTEXT:
    {
        if (wParam == 0)
        {
            return 0;
        }
        lstrcpynA(reinterpret_cast<LPSTR>(lParam), pWindow->text.c_str(), static_cast<int>(wParam));
        return lstrlenA(reinterpret_cast<LPSTR>(lParam));
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(pWindow->text.size());
    default:
        return 0;
    }
}

HWND GetParent(HWND hWnd)
{
    HostWindow* pWindow = HostFindWindow(hWnd);
    return pWindow ? pWindow->hParent : nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    HostWindow* pWindow = HostFindWindow(hWnd);
    return pWindow ? pWindow->nId : 0;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount)
{
    if (lpString != nullptr && nMaxCount > 0)
    {
        lpString[0] = '\0';
    }
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd)
{
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
