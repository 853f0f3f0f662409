// The printer path of a call: read the device ID, refuse another model, and fill the working
// record from the printer's status reply.
#pragma once

#include "CallState.h"

// Leaves call.inf and call.bRead for the rest of the call, or returns FALSE when the call ends
// here with result 0 (a different printer, or a model in no row of the table).
BOOL RunPrinterPath(LPCSTR pszPrinterName, LPCSTR pszModelName, CallState& call);
