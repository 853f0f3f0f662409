#include "MessageBox.h"
#include "WinApp.h"
#include "Wnd.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    return ::MessageBoxA(pMainWnd ? pMainWnd->m_hWnd : nullptr, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2)
{
    char szFormat[256];
    ::LoadStringA(AfxGetResourceHandle(), nIDS, szFormat, sizeof szFormat);
    const CString strFormat(szFormat);
    const LPCSTR apszArgs[2] = {lpsz1 ? lpsz1 : "", lpsz2 ? lpsz2 : ""};
    rString.Empty();
    for (int i = 0; i < strFormat.GetLength(); ++i)
    {
        const char chNext = i + 1 < strFormat.GetLength() ? strFormat[i + 1] : '\0';
        if (strFormat[i] == '%' && (chNext == '1' || chNext == '2'))
        {
            rString += apszArgs[chNext - '1'];
            ++i;
        }
        else
        {
            rString += strFormat[i];
        }
    }
}
