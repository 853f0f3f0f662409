#include "DeviceIdModel.h"
#include "module/res/resource.h"
#include "module/support/Error.h"

#include <cstring>

namespace
{
const char kModelKey[] = "MDL:";

// The first occurrence of pszKey in pszText, stepping over double-byte characters of the active
// code page as units, so that a key is never matched inside one.
LPCSTR FindKey(LPCSTR pszText, LPCSTR pszKey)
{
    const size_t cchKey = std::strlen(pszKey);
    for (LPCSTR p = pszText; *p != '\0'; p = CharNextA(p))
    {
        if (std::strncmp(p, pszKey, cchKey) == 0)
        {
            return p;
        }
    }
    return nullptr;
}
} // namespace

BOOL GetModelFromDeviceId(LPCSTR pszDeviceId, CString& strModel)
{
    strModel.Empty();
    const int cchKey = lstrlenA(kModelKey);
    if (lstrlenA(pszDeviceId) < cchKey)
    {
        return FALSE;
    }
    LPCSTR pszKey = FindKey(pszDeviceId, kModelKey);
    if (pszKey == nullptr)
    {
        return FALSE;
    }
    LPCSTR pszValue = pszKey + cchKey;
    LPCSTR pszEnd = FindKey(pszValue, ";");
    if (pszEnd == nullptr)
    {
        return FALSE;
    }
    strModel = CString(pszValue, static_cast<int>(pszEnd - pszValue));
    return TRUE;
}

BOOL CheckPrinterModel(LPCSTR pszModelName, LPCSTR pszDeviceModel)
{
    if (lstrcmpiA(pszModelName, pszDeviceModel) == 0)
    {
        return TRUE;
    }
    CString strCaption;
    strCaption.LoadString(IDS_ERROR_CAPTION);
    CError error(IDS_MESSAGE_BASE, IDS_PARAMETER_BASE);
    error.ShowMessage(IDS_MSG_INCOMPATIBLE_PRINTER - IDS_MESSAGE_BASE, -1, -1, nullptr, nullptr,
                      strCaption, MB_ICONHAND | MB_SETFOREGROUND);
    return FALSE;
}
