#include "String.h"
#include "WinApp.h"

#include <cstdarg>
#include <cstring>

CString::CString(LPCSTR psz) : m_str(psz ? psz : "") {}

CString::CString(LPCSTR pch, int nLength)
    : m_str(pch && nLength > 0 ? pch : "", pch && nLength > 0 ? static_cast<size_t>(nLength) : 0)
{
}

CString::CString(char ch, int nRepeat) : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0, ch)
{
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz != nullptr)
    {
        m_str += psz;
    }
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(LPCSTR psz) const
{
    return ::lstrcmpA(m_str.c_str(), psz);
}

int CString::CompareNoCase(LPCSTR psz) const
{
    return ::lstrcmpiA(m_str.c_str(), psz);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
    {
        nFirst = 0;
    }
    if (nCount < 0 || nFirst >= GetLength())
    {
        return CString();
    }
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
    {
        nCount = 0;
    }
    return nCount >= GetLength() ? *this : Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
    {
        return -1;
    }
    const size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == Storage::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
    {
        return -1;
    }
    const size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == Storage::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    const size_t cchOld = pszOld ? std::strlen(pszOld) : 0;
    if (cchOld == 0)
    {
        return 0;
    }
    const size_t cchNew = pszNew ? std::strlen(pszNew) : 0;
    int nCount = 0;
    for (size_t pos = m_str.find(pszOld); pos != Storage::npos;
         pos = m_str.find(pszOld, pos + cchNew))
    {
        m_str.replace(pos, cchOld, pszNew ? pszNew : "", cchNew);
        ++nCount;
    }
    return nCount;
}

BOOL CString::LoadString(UINT nID)
{
    // A string table entry holds at most 65535 characters; grow until the text fits.
    for (int cch = 256;; cch *= 4)
    {
        m_str.resize(static_cast<size_t>(cch));
        const int n = ::LoadStringA(AfxGetResourceHandle(), nID, &m_str[0], cch);
        if (n < cch - 1 || cch > 65536)
        {
            m_str.resize(static_cast<size_t>(n > 0 ? n : 0));
            return n > 0;
        }
    }
}

void CString::Format(LPCSTR pszFormat, ...)
{
    char szBuffer[1025];
    va_list args;
    va_start(args, pszFormat);
    const int n = ::wvsprintfA(szBuffer, pszFormat, args);
    va_end(args);
    m_str.assign(szBuffer, n > 0 ? static_cast<size_t>(n) : 0);
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
    {
        m_str.resize(static_cast<size_t>(nMinBufLength));
    }
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    m_str.resize(nNewLength < 0 ? std::strlen(m_str.c_str()) : static_cast<size_t>(nNewLength));
}

CString operator+(const CString& str1, const CString& str2)
{
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str, LPCSTR psz)
{
    CString result(str);
    result += psz;
    return result;
}

CString operator+(LPCSTR psz, const CString& str)
{
    CString result(psz);
    result += str;
    return result;
}

bool operator==(const CString& str1, LPCSTR psz2)
{
    return str1.Compare(psz2) == 0;
}

bool operator!=(const CString& str1, LPCSTR psz2)
{
    return !(str1 == psz2);
}
