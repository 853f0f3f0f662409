// Sets what GetVersionExA answers on the host. The default comes from the environment variable
// QZ_WINVER, which takes Wine's version names (win31, win95, win98, winme, nt351, nt40, win2k,
// winxp, win7, win10) and nt35, which Wine does not emulate; without it the host is NT 4.0.
#pragma once

#include "HostTypes.h"

QZHOST_CXX void HostSetWindowsVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor);
// Returns false for a name it does not know, leaving the version as it was.
QZHOST_CXX bool HostSetWindowsVersionName(const char* pszName);
// While set, GetVersionExA fails.
QZHOST_CXX void HostFailVersionQuery(bool bFail);
