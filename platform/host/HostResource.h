// Resource functions of the host layer. A module's resources are the compiled .res that windres
// produced for the Windows build, linked into the module as the blob HostResourceBlob.
#pragma once

#include "HostTypes.h"

QZHOST_API HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
QZHOST_API HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage);
QZHOST_API HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
QZHOST_API LPVOID LockResource(HGLOBAL hResData);
QZHOST_API DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
QZHOST_API int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
