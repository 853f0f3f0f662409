#include "RawPrinter.h"
#include "module/support/Misc.h"

#include <cstring>

CRawPrinter::CRawPrinter() : m_hPrinter(nullptr), m_abBuffer(), m_cbBuffered(0) {}

BOOL CRawPrinter::SendJob(LPCSTR pszPrinterName, const BYTE* pData, DWORD cbData)
{
    BOOL bResult = FALSE;
    if (StartJob(pszPrinterName) && Write(RESET_SEQUENCE, sizeof(RESET_SEQUENCE)))
    {
        bResult = TRUE;
        if (!Write(pData, cbData))
        {
            bResult = FALSE;
        }
        if (!Write(RESET_SEQUENCE, sizeof(RESET_SEQUENCE)))
        {
            bResult = FALSE;
        }
    }
    if (!EndJob())
    {
        bResult = FALSE;
    }
    return bResult;
}

BOOL CRawPrinter::StartJob(LPCSTR pszPrinterName)
{
    if (!Open(pszPrinterName))
    {
        return FALSE;
    }
    CMisc misc;
    int nKind = OSKIND_WIN32S;
    if (!misc.GetOsKind(&nKind))
    {
        return FALSE;
    }
    switch (nKind)
    {
    case OSKIND_WIN95:
    // Windows 98 and Me need a document for WritePrinter as much as Windows 95 does.
    case OSKIND_WIN95_LATER:
        return StartDoc();
    case OSKIND_NT:
    case OSKIND_NT35:
    case OSKIND_NT351:
    case OSKIND_NT40:
        return StartDoc() && StartPage();
    default:
        // Win32s has no spooler jobs for raw data.
        return FALSE;
    }
}

BOOL CRawPrinter::Write(const BYTE* pData, DWORD cbData)
{
    if (m_hPrinter == nullptr)
    {
        return FALSE;
    }
    if (cbData == 0)
    {
        return TRUE;
    }
    if (cbData <= BUFFER_SIZE - m_cbBuffered)
    {
        std::memcpy(m_abBuffer + m_cbBuffered, pData, cbData);
        m_cbBuffered += cbData;
        return TRUE;
    }
    // The buffered bytes go first, also when there are none, so that the order is kept.
    if (!WriteDirect(m_abBuffer, m_cbBuffered))
    {
        return FALSE;
    }
    m_cbBuffered = 0;
    while (cbData > BUFFER_SIZE)
    {
        if (!WriteDirect(pData, BUFFER_SIZE))
        {
            return FALSE;
        }
        pData += BUFFER_SIZE;
        cbData -= BUFFER_SIZE;
    }
    std::memcpy(m_abBuffer, pData, cbData);
    m_cbBuffered = cbData;
    return TRUE;
}

BOOL CRawPrinter::Flush()
{
    if (m_hPrinter == nullptr)
    {
        return FALSE;
    }
    const DWORD cbBuffered = m_cbBuffered;
    m_cbBuffered = 0;
    return WriteDirect(m_abBuffer, cbBuffered);
}

BOOL CRawPrinter::EndJob()
{
    BOOL bResult = Flush();
    CMisc misc;
    int nKind = OSKIND_WIN32S;
    if (misc.GetOsKind(&nKind))
    {
        switch (nKind)
        {
        case OSKIND_WIN95:
        case OSKIND_WIN95_LATER:
            if (!EndDoc())
            {
                bResult = FALSE;
            }
            break;
        case OSKIND_NT:
        case OSKIND_NT35:
        case OSKIND_NT351:
        case OSKIND_NT40:
            // Page before document: ending the document first fails the page's end after the
            // job has printed.
            if (!EndPage())
            {
                bResult = FALSE;
            }
            if (!EndDoc())
            {
                bResult = FALSE;
            }
            break;
        default:
            bResult = FALSE;
            break;
        }
    }
    if (!Close())
    {
        bResult = FALSE;
    }
    return bResult;
}

BOOL CRawPrinter::Open(LPCSTR pszPrinterName)
{
    HANDLE hPrinter = nullptr;
    if (!OpenPrinterA(const_cast<LPSTR>(pszPrinterName), &hPrinter, nullptr))
    {
        return FALSE;
    }
    m_hPrinter = hPrinter;
    return TRUE;
}

BOOL CRawPrinter::StartDoc()
{
    if (m_hPrinter == nullptr)
    {
        return FALSE;
    }
    DOC_INFO_1A docInfo = {nullptr, nullptr, nullptr};
    return StartDocPrinterA(m_hPrinter, 1, reinterpret_cast<LPBYTE>(&docInfo)) != 0;
}

BOOL CRawPrinter::StartPage()
{
    return m_hPrinter != nullptr && StartPagePrinter(m_hPrinter);
}

BOOL CRawPrinter::WriteDirect(const BYTE* pData, DWORD cbData)
{
    if (m_hPrinter == nullptr)
    {
        return FALSE;
    }
    DWORD cbWritten = 0;
    return WritePrinter(m_hPrinter, const_cast<BYTE*>(pData), cbData, &cbWritten) ? TRUE : FALSE;
}

BOOL CRawPrinter::EndPage()
{
    return m_hPrinter != nullptr && EndPagePrinter(m_hPrinter);
}

BOOL CRawPrinter::EndDoc()
{
    return m_hPrinter != nullptr && EndDocPrinter(m_hPrinter);
}

BOOL CRawPrinter::Close()
{
    if (m_hPrinter == nullptr)
    {
        return TRUE;
    }
    if (!ClosePrinter(m_hPrinter))
    {
        return FALSE;
    }
    m_hPrinter = nullptr;
    return TRUE;
}
