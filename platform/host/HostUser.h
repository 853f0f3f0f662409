// User-interface functions of the host layer: message boxes, the help engine and formatting.
#pragma once

#include <cstdarg>

#include "HostTypes.h"

#define MB_OK 0x00000000
#define MB_OKCANCEL 0x00000001
#define MB_ICONHAND 0x00000010
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONEXCLAMATION 0x00000030
#define MB_TASKMODAL 0x00002000
#define MB_SETFOREGROUND 0x00010000

#define IDOK 1
#define IDCANCEL 2

#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_CONTENTS 0x0003
#define HELP_INDEX 0x0003

QZHOST_API int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
QZHOST_API BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
QZHOST_API int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);
QZHOST_API int wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);

#define WM_COMMAND 0x0111

// Window and control styles.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_APPWINDOW 0x00040000L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_GROUPBOX 0x00000007L
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NUMBER 0x2000L

// Windows: a window table with window procedures, as far as the module's controls need it.
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagCREATESTRUCTA
{
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HANDLE hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA;

typedef struct tagWNDCLASSA
{
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HANDLE hIcon;
    HANDLE hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_NCDESTROY 0x0082

#define LB_ERR (-1)
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B

QZHOST_API WORD RegisterClassA(const WNDCLASSA* lpWndClass);
QZHOST_API HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                                DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                                HWND hWndParent, HANDLE hMenu, HINSTANCE hInstance, LPVOID lpParam);
QZHOST_API BOOL DestroyWindow(HWND hWnd);
QZHOST_API BOOL IsWindow(HWND hWnd);
QZHOST_API LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
QZHOST_API LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
QZHOST_API HWND GetParent(HWND hWnd);
QZHOST_API int GetDlgCtrlID(HWND hWnd);
QZHOST_API BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
QZHOST_API int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
QZHOST_API int GetWindowTextLengthA(HWND hWnd);
