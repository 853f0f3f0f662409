// Kernel functions of the host layer: file search, the loader, the version query and the
// string helpers.
#pragma once

#include "HostTypes.h"

QZHOST_API DWORD GetLastError();
QZHOST_API void SetLastError(DWORD dwErrCode);

QZHOST_API DWORD SearchPathA(LPCSTR lpPath, LPCSTR lpFileName, LPCSTR lpExtension,
                             DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart);

QZHOST_API HMODULE LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
QZHOST_API HMODULE LoadLibraryA(LPCSTR lpLibFileName);
QZHOST_API FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
QZHOST_API BOOL FreeLibrary(HMODULE hLibModule);
QZHOST_API HMODULE GetModuleHandleA(LPCSTR lpModuleName);
QZHOST_API DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

QZHOST_API BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

QZHOST_API int lstrlenA(LPCSTR lpString);
QZHOST_API int lstrcmpA(LPCSTR lpString1, LPCSTR lpString2);
QZHOST_API int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);
QZHOST_API LPSTR lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
QZHOST_API BOOL IsDBCSLeadByte(BYTE TestChar);
QZHOST_API LPSTR CharNextA(LPCSTR lpsz);
