#include "QZOpenPrinterInf.h"
#include "CallState.h"
#include "ModelTable.h"
#include "PrinterPath.h"
#include "module/bidi/BidiApi.h"

extern "C" int __cdecl QZOpenPrinterInf(LPCSTR pszPrinterName, LPCSTR pszModelName,
                                        DWORD /*dwReserved*/, const PRINTER_INF* pInfIn,
                                        PRINTER_INF* pInfOut, BOOL /*bShowDialog*/, BOOL bUseBidi)
{
    // Null texts are taken as empty ones.
    pszPrinterName = pszPrinterName ? pszPrinterName : "";
    pszModelName = pszModelName ? pszModelName : "";

    // Without the communication library the printer is never asked. Only whether it is found
    // counts: the library session loads it by its bare name.
    char szLibraryPath[MAX_PATH];
    const BOOL bLibraryFound =
        SearchPathA(nullptr, BIDI_LIBRARY_NAME, nullptr, MAX_PATH, szLibraryPath, nullptr) != 0;

    FindModelIndex(pszModelName);

    // Every success hands a record back: without a place for it, the call cannot succeed, so it
    // fails before the printer or the user is troubled.
    if (pInfOut == nullptr)
    {
        return 0;
    }

    CallState call;
    call.bAskPrinter = bLibraryFound && bUseBidi;
    call.inf.CopyFrom(pInfIn);

    if (call.bAskPrinter && !RunPrinterPath(pszPrinterName, pszModelName, call))
    {
        return 0;
    }
    if (call.bAskPrinter && !call.bRead)
    {
        return 0;
    }
    call.inf.CopyTo(pInfOut);
    return 1;
}
