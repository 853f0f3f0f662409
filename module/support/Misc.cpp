#include "Misc.h"

#include <memory>

namespace
{
// The value of a hexadecimal digit, -1 for any other character.
int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
    {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F')
    {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f')
    {
        return ch - 'a' + 10;
    }
    return -1;
}

constexpr char TAB = '\t';
} // namespace

BOOL CMisc::ClassifyOsVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor, int* pnKind)
{
    int nKind = OSKIND_NT;
    switch (dwPlatformId)
    {
    case VER_PLATFORM_WIN32s:
        nKind = OSKIND_WIN32S;
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (dwMajor < 4)
        {
            return FALSE;
        }
        nKind = (dwMajor == 4 && dwMinor == 0) ? OSKIND_WIN95 : OSKIND_WIN95_LATER;
        break;
    case VER_PLATFORM_WIN32_NT:
        if (dwMajor == 3 && dwMinor == 5)
        {
            nKind = OSKIND_NT35;
        }
        else if (dwMajor == 3 && dwMinor == 51)
        {
            nKind = OSKIND_NT351;
        }
        else if (dwMajor == 4 && dwMinor == 0)
        {
            nKind = OSKIND_NT40;
        }
        break;
    default:
        return FALSE;
    }
    *pnKind = nKind;
    return TRUE;
}

BOOL CMisc::GetOsKind(int* pnKind)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
    {
        return FALSE;
    }
    return ClassifyOsVersion(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                             pnKind);
}

BOOL CMisc::FindBytes(const BYTE* pData, DWORD cbData, const BYTE* pPattern, DWORD cbPattern,
                      const BYTE** ppFound)
{
    if (cbData == 0 || cbPattern > cbData)
    {
        return FALSE;
    }
    for (DWORD i = 0; i <= cbData - cbPattern; ++i)
    {
        DWORD j = 0;
        while (j < cbPattern && pData[i + j] == pPattern[j])
        {
            ++j;
        }
        if (j == cbPattern)
        {
            *ppFound = pData + i;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CMisc::HexToInt(LPCSTR pszText, DWORD* pdwValue)
{
    const int cch = lstrlenA(pszText);
    if (cch == 0 || cch > 8)
    {
        return FALSE;
    }
    DWORD dwValue = 0;
    for (int i = 0; i < cch; ++i)
    {
        const int nDigit = HexDigitValue(pszText[i]);
        if (nDigit < 0)
        {
            return FALSE;
        }
        dwValue = (dwValue << 4) | static_cast<DWORD>(nDigit);
    }
    *pdwValue = dwValue;
    return TRUE;
}

BOOL CMisc::HexToByte(LPCSTR pszText, BYTE* pbValue)
{
    if (pszText == nullptr || pszText[0] == '\0')
    {
        return FALSE;
    }
    const int nHigh = HexDigitValue(pszText[0]);
    const int nLow = HexDigitValue(pszText[1]);
    if (nHigh < 0 && nLow < 0)
    {
        return FALSE;
    }
    if (nHigh >= 0 && nLow >= 0)
    {
        *pbValue = static_cast<BYTE>(nHigh * 16 + nLow);
    }
    else
    {
        *pbValue = static_cast<BYTE>(nHigh >= 0 ? nHigh : nLow);
    }
    return TRUE;
}

BOOL CMisc::ByteToHex(BYTE bValue, CString& strHex)
{
    strHex.Format("%02lx", static_cast<DWORD>(bValue));
    return TRUE;
}

BOOL CMisc::GetTabField(CString& strText, int nField)
{
    if (strText.IsEmpty())
    {
        return FALSE;
    }
    CString strRest = strText;
    for (int i = 0; i < nField; ++i)
    {
        const int nTab = strRest.Find(TAB);
        if (nTab < 0)
        {
            return FALSE;
        }
        strRest = strRest.Mid(nTab + 1);
    }
    const int nTab = strRest.Find(TAB);
    strText = nTab < 0 ? strRest : strRest.Left(nTab);
    return TRUE;
}

BOOL CMisc::GetListItemField(HWND hList, int nIndex, int nField, CString& strField)
{
    const auto nCount = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
    if (nIndex < 0 || nIndex >= nCount)
    {
        return FALSE;
    }
    const auto cch =
        static_cast<int>(SendMessageA(hList, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
    if (cch == LB_ERR)
    {
        return FALSE;
    }
    const std::unique_ptr<char, decltype(&AfxFree)> text(
        static_cast<LPSTR>(AfxAlloc(static_cast<size_t>(cch) + 1)), &AfxFree);
    text.get()[0] = '\0';
    SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                 reinterpret_cast<LPARAM>(text.get()));
    text.get()[cch] = '\0';
    strField = text.get();
    return GetTabField(strField, nField);
}

BOOL CMisc::GetListItemField(CWnd* pList, int nIndex, int nField, CString& strField)
{
    return GetListItemField(pList->m_hWnd, nIndex, nField, strField);
}

BOOL CMisc::GetListItemField(CListBox* pList, int nIndex, int nField, CString& strField)
{
    if (nIndex < 0 || nIndex >= pList->GetCount() || pList->GetText(nIndex, strField) == LB_ERR)
    {
        return FALSE;
    }
    return GetTabField(strField, nField);
}
