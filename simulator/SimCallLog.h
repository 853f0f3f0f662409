// The call log: every call into the simulator, with its arguments and result, appended as one
// line to the file that KWSIM_LOG names (nothing is written when it is not set).
#pragma once

#include <string>

void SimLog(const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A text as it appears in the log: quoted, with bytes outside printable ASCII escaped.
std::string SimQuote(const char* psz);
