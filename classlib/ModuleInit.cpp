#include "ModuleInit.h"
#include "WinApp.h"

BOOL AfxModuleAttach(HINSTANCE hInstance)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
    {
        return FALSE;
    }
    pApp->SetModule(hInstance);
    return pApp->InitInstance();
}

void AfxModuleDetach()
{
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->ExitInstance();
    }
}
