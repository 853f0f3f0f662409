#include "ModelTable.h"
#include "PrinterInfoApp.h"

const char g_szModelNames[MODEL_COUNT][MODEL_NAME_FIELD] = {"Vantor Jet QX", "VJ-8200Q"};

BOOL FindModelIndex(LPCSTR pszModelName)
{
    for (int nRow = 0; nRow < MODEL_COUNT; ++nRow)
    {
        if (lstrcmpiA(g_szModelNames[nRow], pszModelName) == 0)
        {
            theApp.g_nModelIndex = nRow;
            return TRUE;
        }
    }
    theApp.g_nModelIndex = -1;
    return FALSE;
}
