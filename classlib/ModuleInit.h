// Load and unload handling of a module built on the class library: the module's DllMain calls
// these; its static application object exists by then.
#pragma once

#include "platform/Win32Api.h"

// Sets up the application object for hInstance and runs its InitInstance; its result decides
// whether the load succeeds.
BOOL AfxModuleAttach(HINSTANCE hInstance);
// Runs the application object's ExitInstance.
void AfxModuleDetach();
