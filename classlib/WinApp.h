// CWinApp: the application object of a module. The module owns exactly one, as a static object;
// the class library finds it through AfxGetApp.
#pragma once

#include "CmdTarget.h"
#include "String.h"

class CWnd;

class CWinApp : public CCmdTarget
{
public:
    // Without an application name the title is taken from the string table (AFX_IDS_APP_TITLE)
    // or, when that is absent, from the module's file name without directory and extension.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Opens the help file through the system's help engine for the main window; reports
    // AFX_IDP_FAILED_TO_LAUNCH_HELP when the engine cannot be started.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // The default handler of ID_HELP: the main window's help context, or the contents without one.
    void OnHelp();

    // Called by the module's load handling: records the instance and derives title and help file.
    void SetModule(HINSTANCE hInstance);

    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszHelpFilePath = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    CString m_strAppName;
    CString m_strHelpFilePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCSTR AfxGetAppName();
// The module whose resources the class library loads: the application's instance once the module
// is initialised, the program's own before.
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();
