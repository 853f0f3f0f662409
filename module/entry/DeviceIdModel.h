// The model check of a printer's IEEE 1284 device ID: its "MDL:" value must be the model that
// the driver was installed for.
#pragma once

#include "classlib/String.h"

// The text between the first "MDL:" and the ";" after it; FALSE (and strModel empty) when the
// device ID has no such entry.
BOOL GetModelFromDeviceId(LPCSTR pszDeviceId, CString& strModel);

// TRUE when the device's model is the caller's, without regard to case. Otherwise tells the user
// that an incompatible printer is connected and returns FALSE.
BOOL CheckPrinterModel(LPCSTR pszModelName, LPCSTR pszDeviceModel);
