// CRawPrinter: raw printer data to a named printer through the spooler, as one job. Small
// writes collect in a fixed buffer so that the spooler sees few large writes; which calls open
// and close the job depends on the platform kind.
#pragma once

#include "platform/Win32Api.h"

class CRawPrinter
{
public:
    static constexpr DWORD BUFFER_SIZE = 2048;
    // ESC @ twice: written before and after the data of every job.
    static constexpr BYTE RESET_SEQUENCE[] = {0x1B, 0x40, 0x1B, 0x40};

    CRawPrinter();
    CRawPrinter(const CRawPrinter&) = delete;
    CRawPrinter& operator=(const CRawPrinter&) = delete;
    // Neither flushes nor closes: whoever starts a job ends it with EndJob.
    virtual ~CRawPrinter() = default;

    // StartJob, the reset sequence, the data, the reset sequence, EndJob (always).
    BOOL SendJob(LPCSTR pszPrinterName, const BYTE* pData, DWORD cbData);
    // Opens the printer and starts a document (and on the NT kinds a page). A failed start
    // leaves the printer open for EndJob.
    BOOL StartJob(LPCSTR pszPrinterName);
    BOOL Write(const BYTE* pData, DWORD cbData);
    // Hands the buffered bytes to the spooler; they are dropped even when that fails.
    BOOL Flush();
    // Flushes, ends page and document, closes; every step runs whatever failed before.
    BOOL EndJob();

    BOOL Open(LPCSTR pszPrinterName);
    BOOL StartDoc();
    BOOL StartPage();
    // One WritePrinter call with exactly these bytes, unbuffered.
    BOOL WriteDirect(const BYTE* pData, DWORD cbData);
    BOOL EndPage();
    BOOL EndDoc();
    // TRUE with no printer open; a failed ClosePrinter keeps the handle.
    BOOL Close();

private:
    HANDLE m_hPrinter;
    BYTE m_abBuffer[BUFFER_SIZE];
    DWORD m_cbBuffered;
};
