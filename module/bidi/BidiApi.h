// The interface of the printer maker's bidirectional communication library, loaded at run time
// by file name. Every function uses the Windows API calling convention and returns a signed
// 32-bit result, negative for failure (KWInitialize: only KW_ERR_NOT_INITIALIZED fails).
#pragma once

#include "platform/Win32Api.h"

#define BIDI_LIBRARY_NAME "KWAPI.DLL"

// KWInitialize's one failure.
constexpr LONG KW_ERR_NOT_INITIALIZED = -13;
// A size query answered with the size needed (as does any non-negative result).
constexpr LONG KW_ERR_BUFFER_SIZE = -4;

// Selectors, the first argument of the functions that take a printer name.
constexpr DWORD BIDI_SELECTOR_ALT = 0;
constexpr DWORD BIDI_SELECTOR_PRINTER = 1;

// Bit 0 of wFlags: the channel can be used.
constexpr WORD BIDI_CHANNEL_USABLE = 0x0001;

// The two status channels that the module asks for: the extended one first where the platform
// offers a choice, the basic one as the fallback (and alone on NT 3.51).
constexpr DWORD BIDI_CHANNEL_STATUS_EXTENDED = 0x10010003;
constexpr DWORD BIDI_CHANNEL_STATUS_BASIC = 0x10000003;

#pragma pack(push, 1)
struct BIDI_CHANNEL_ENTRY
{
    DWORD dwChannelId;
    WORD wFlags;
    WORD wReserved;
};
#pragma pack(pop)
static_assert(sizeof(BIDI_CHANNEL_ENTRY) == 8, "BIDI_CHANNEL_ENTRY is 8 bytes");

typedef LONG(WINAPI* PFN_KWINITIALIZE)();
typedef LONG(WINAPI* PFN_KWRELEASE)();
typedef LONG(WINAPI* PFN_KWGETDEVICEID)(DWORD dwSelector, LPCSTR pszPrinterName, LPBYTE pBuffer,
                                        LPDWORD pcbBuffer);
typedef LONG(WINAPI* PFN_KWGETAVAILABLECHANNEL)(DWORD dwSelector, LPCSTR pszPrinterName,
                                                LPBYTE pBuffer, LPDWORD pcbBuffer);
typedef LONG(WINAPI* PFN_KWOPENCHANNEL)(DWORD dwSelector, LPCSTR pszPrinterName, DWORD dwChannelId);
typedef LONG(WINAPI* PFN_KWCLOSECHANNEL)(LONG hChannel);
typedef LONG(WINAPI* PFN_KWGETSTATUS)(LONG hChannel, LPBYTE pBuffer, LPDWORD pcbBuffer);
// Looked up but never called by the module; their arguments are the library's own business.
typedef LONG(WINAPI* PFN_KWSEND)();
typedef LONG(WINAPI* PFN_KWRECEIVE)();
typedef LONG(WINAPI* PFN_KWRECEIVECANCEL)();
typedef LONG(WINAPI* PFN_KWSETOPTION)();
typedef LONG(WINAPI* PFN_KWGETOPTION)();

// Looks a function of the library up by name; false (and pfn null) when it is not exported.
template <class Pfn> bool BidiResolve(HMODULE hLibrary, LPCSTR pszName, Pfn& pfn)
{
    pfn = reinterpret_cast<Pfn>(reinterpret_cast<void*>(GetProcAddress(hLibrary, pszName)));
    return pfn != nullptr;
}
