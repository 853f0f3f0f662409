// String helpers of the host layer. The host's ANSI code page is 1252, a single-byte code page:
// no byte is a lead byte, and case folding covers ASCII and the accented letters of 1252.
#include "HostKernel.h"

namespace
{
unsigned char FoldCase1252(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
    {
        return static_cast<unsigned char>(c - 'A' + 'a');
    }
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
    {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c)
    {
    case 0x8A:
        return 0x9A; // S with caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z with caron
    case 0x9F:
        return 0xFF; // Y with diaeresis
    default:
        return c;
    }
}

int Compare(LPCSTR lpString1, LPCSTR lpString2, bool bFoldCase)
{
    const auto* p1 = reinterpret_cast<const unsigned char*>(lpString1 ? lpString1 : "");
    const auto* p2 = reinterpret_cast<const unsigned char*>(lpString2 ? lpString2 : "");
    for (;; ++p1, ++p2)
    {
        const unsigned char c1 = bFoldCase ? FoldCase1252(*p1) : *p1;
        const unsigned char c2 = bFoldCase ? FoldCase1252(*p2) : *p2;
        if (c1 != c2)
        {
            return c1 < c2 ? -1 : 1;
        }
        if (c1 == 0)
        {
            return 0;
        }
    }
}
} // namespace

int lstrlenA(LPCSTR lpString)
{
    int n = 0;
    if (lpString != nullptr)
    {
        while (lpString[n] != '\0')
        {
            ++n;
        }
    }
    return n;
}

int lstrcmpA(LPCSTR lpString1, LPCSTR lpString2)
{
    return Compare(lpString1, lpString2, false);
}

int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2)
{
    return Compare(lpString1, lpString2, true);
}

LPSTR lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength)
{
    if (lpString1 == nullptr || iMaxLength <= 0)
    {
        return lpString1;
    }
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2 != nullptr && lpString2[i] != '\0'; ++i)
    {
        lpString1[i] = lpString2[i];
    }
    lpString1[i] = '\0';
    return lpString1;
}

BOOL IsDBCSLeadByte(BYTE)
{
    return FALSE;
}

LPSTR CharNextA(LPCSTR lpsz)
{
    return const_cast<LPSTR>(*lpsz != '\0' ? lpsz + 1 : lpsz);
}
