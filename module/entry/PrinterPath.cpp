#include "PrinterPath.h"
#include "DeviceIdModel.h"
#include "PrinterInfoApp.h"
#include "module/bidi/BidiLibrary.h"
#include "module/bidi/PrinterStatusQuery.h"

BOOL RunPrinterPath(LPCSTR pszPrinterName, LPCSTR pszModelName, CallState& call)
{
    // The session stays alive through the status query, which opens one of its own, and ends
    // with this function, before any dialog is shown.
    CBidiLibrary library;
    CString strDeviceId;
    if (!library.ReadDeviceId(pszPrinterName, strDeviceId))
    {
        return TRUE;
    }
    CString strModel;
    if (!GetModelFromDeviceId(strDeviceId, strModel))
    {
        return TRUE;
    }
    if (!CheckPrinterModel(pszModelName, strModel))
    {
        return FALSE;
    }
    switch (theApp.g_nModelIndex)
    {
    case 0:
        call.inf.dwOpt1Flag = 0;
        call.inf.dwOpt2Flag = 0;
        break;
    case 1:
        call.inf.dwOpt1Flag = 1;
        call.inf.dwOpt2Flag = 1;
        break;
    default:
        return FALSE;
    }
    call.inf.dwIdFlag = 1;
    call.inf.dwIdCount = PRINTER_ID_COUNT;

    // The parser may have written some items before it missed another: only a complete reply
    // replaces the working record.
    PRINTER_INF query = call.inf;
    if (QueryPrinterStatus(pszPrinterName, &query))
    {
        call.inf = query;
        call.bRead = TRUE;
    }
    return TRUE;
}
