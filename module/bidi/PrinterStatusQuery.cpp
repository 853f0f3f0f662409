#include "PrinterStatusQuery.h"
#include "BidiError.h"
#include "BidiLibrary.h"
#include "StatusReplyParser.h"
#include "module/support/Misc.h"

namespace
{
// The extended channel, and the basic one only when the extended one is not offered.
BOOL ReadStatusTwoStep(CBidiLibrary& library, LPCSTR pszPrinterName)
{
    if (library.ReadStatus(pszPrinterName, BIDI_CHANNEL_STATUS_EXTENDED))
    {
        return TRUE;
    }
    return library.m_nError == BIDI_ERROR_CHANNEL_NOT_OFFERED &&
           library.ReadStatus(pszPrinterName, BIDI_CHANNEL_STATUS_BASIC);
}
} // namespace

BOOL QueryPrinterStatus(LPCSTR pszPrinterName, PRINTER_INF* pInf)
{
    // The library is loaded and initialised before the platform is known, whatever it is.
    CBidiLibrary library;
    CMisc misc;
    // A failed classification, or a system without a kind, makes no exchange: the empty reply
    // then answers the record.
    int nKind = -1;
    if (misc.GetOsKind(&nKind))
    {
        switch (nKind)
        {
        case OSKIND_WIN95:
        case OSKIND_NT40:
            if (!ReadStatusTwoStep(library, pszPrinterName))
            {
                return FALSE;
            }
            break;
        case OSKIND_NT351:
            if (!library.ReadStatus(pszPrinterName, BIDI_CHANNEL_STATUS_BASIC))
            {
                return FALSE;
            }
            break;
        case OSKIND_WIN95_LATER:
            break;
        case OSKIND_WIN32S:
        case OSKIND_NT:
        case OSKIND_NT35:
        default:
            return FALSE;
        }
    }
    return ParseStatusReply(library.m_pReply, library.m_cbReply, pInf);
}
