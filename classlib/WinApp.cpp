#include "WinApp.h"
#include "ClassLibResource.h"
#include "MessageBox.h"
#include "Wnd.h"

namespace
{
CWinApp* g_pCurrentApp = nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName != nullptr)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pCurrentApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pCurrentApp == this)
    {
        g_pCurrentApp = nullptr;
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (!::WinHelpA(pMainWnd ? pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath, nCmd, dwData))
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
    }
}

void CWinApp::OnHelp()
{
    const DWORD dwContext = m_pMainWnd ? m_pMainWnd->GetHelpContext() : 0;
    WinHelp(dwContext, dwContext != 0 ? HELP_CONTEXT : HELP_CONTENTS);
}

void CWinApp::SetModule(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    char szPath[MAX_PATH];
    const DWORD cch = ::GetModuleFileNameA(hInstance, szPath, sizeof szPath);
    const CString strPath(szPath, cch < sizeof szPath ? static_cast<int>(cch) : 0);

    int nNameStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i)
    {
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
        {
            nNameStart = i + 1;
        }
    }
    int nExtension = strPath.GetLength();
    for (int i = strPath.GetLength() - 1; i >= nNameStart; --i)
    {
        if (strPath[i] == '.')
        {
            nExtension = i;
            break;
        }
    }
    if (m_pszAppName == nullptr)
    {
        if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        {
            m_strAppName = strPath.Mid(nNameStart, nExtension - nNameStart);
        }
        m_pszAppName = m_strAppName;
    }
    m_strHelpFilePath = strPath.Left(nExtension) + ".HLP";
    m_pszHelpFilePath = m_strHelpFilePath;
}

CWinApp* AfxGetApp()
{
    return g_pCurrentApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pCurrentApp ? g_pCurrentApp->m_pMainWnd : nullptr;
}

LPCSTR AfxGetAppName()
{
    return g_pCurrentApp ? g_pCurrentApp->m_pszAppName : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pCurrentApp && g_pCurrentApp->m_hInstance ? g_pCurrentApp->m_hInstance
                                                       : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}
