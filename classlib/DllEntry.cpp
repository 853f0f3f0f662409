// The entry point of a module built on the class library. Linked into the module only: its
// static objects are constructed before the loader calls it.
#include "ModuleInit.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        return AfxModuleAttach(hInstance);
    case DLL_PROCESS_DETACH:
        AfxModuleDetach();
        return TRUE;
    default:
        return TRUE;
    }
}
