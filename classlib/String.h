// CString: the class library's 8-bit text string, as far as the module needs it. Storage comes
// from the class library's allocator.
#pragma once

#include "AfxMemory.h"
#include "platform/Win32Api.h"

#include <string>

class CString
{
public:
    CString() = default;
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }

    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    // Index of the first ch (or text) at or after nStart, -1 when there is none.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    // Replaces every occurrence of pszOld; returns how many there were.
    int Replace(LPCSTR pszOld, LPCSTR pszNew);

    // Loads string nID of the module's string table; FALSE (text empty) when there is none.
    BOOL LoadString(UINT nID);
    // wsprintfA formatting: integers are 32 bits, at most 1024 characters.
    void Format(LPCSTR pszFormat, ...);

    // Direct access to the characters: GetBuffer gives room for at least nMinBufLength
    // characters and a terminator; ReleaseBuffer ends the access (-1: up to the first NUL).
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    typedef std::basic_string<char, std::char_traits<char>, AfxAllocator<char>> Storage;
    explicit CString(Storage str) : m_str(std::move(str)) {}

    Storage m_str;
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str, LPCSTR psz);
CString operator+(LPCSTR psz, const CString& str);
bool operator==(const CString& str1, LPCSTR psz2);
bool operator!=(const CString& str1, LPCSTR psz2);
