// The settings sheet: a short raw job that makes the printer print its ID values.
#pragma once

#include "platform/Win32Api.h"

// The sheet's body, everything between the two reset sequences of the job, assembled from its
// constant pieces into a heap buffer that lives as long as the object.
class CSettingsSheetBody
{
public:
    // Throws CMemoryException* when the buffer cannot be allocated.
    CSettingsSheetBody();
    CSettingsSheetBody(const CSettingsSheetBody&) = delete;
    CSettingsSheetBody& operator=(const CSettingsSheetBody&) = delete;
    ~CSettingsSheetBody();

    const BYTE* GetData() const { return m_pbBody; }
    DWORD GetLength() const { return m_cbBody; }

private:
    BYTE* m_pbBody;
    DWORD m_cbBody;
};

// Sends the sheet to the printer as one raw job; the result is the job's.
BOOL PrintSettingsSheet(LPCSTR pszPrinterName);
