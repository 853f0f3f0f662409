// CMisc: stateless helpers: the platform classification, byte search and hexadecimal texts,
// and tab-separated fields.
#pragma once

#include "OsKind.h"
#include "classlib/ListBox.h"
#include "classlib/String.h"

class CMisc
{
public:
    CMisc() = default;
    CMisc(const CMisc&) = delete;
    CMisc& operator=(const CMisc&) = delete;
    virtual ~CMisc() = default;

    // The platform kind of a version; FALSE for a version no kind stands for (the 9x family below
    // 4.0, an unknown platform id), leaving *pnKind unchanged.
    static BOOL ClassifyOsVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor, int* pnKind);
    // The platform kind of the running system; FALSE when the version query fails or the
    // version has no kind.
    BOOL GetOsKind(int* pnKind);

    // The first occurrence of the pattern inside the data, compared as unsigned bytes; no byte
    // outside either buffer is read.
    BOOL FindBytes(const BYTE* pData, DWORD cbData, const BYTE* pPattern, DWORD cbPattern,
                   const BYTE** ppFound);
    // A text of 1 to 8 hexadecimal digits, either case, nothing else.
    BOOL HexToInt(LPCSTR pszText, DWORD* pdwValue);
    // The first two characters: both hexadecimal digits give a byte, one alone gives its value.
    BOOL HexToByte(LPCSTR pszText, BYTE* pbValue);
    // Two lowercase hexadecimal digits.
    BOOL ByteToHex(BYTE bValue, CString& strHex);
    // Replaces strText with its tab-separated field nField (from 0; below 0 counts as 0).
    BOOL GetTabField(CString& strText, int nField);
    // Field nField of list-box item nIndex into strField (the whole item when the field does not
    // exist, with FALSE); FALSE with strField untouched when the item cannot be read.
    BOOL GetListItemField(HWND hList, int nIndex, int nField, CString& strField);
    BOOL GetListItemField(CWnd* pList, int nIndex, int nField, CString& strField);
    BOOL GetListItemField(CListBox* pList, int nIndex, int nField, CString& strField);
};
