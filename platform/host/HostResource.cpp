// Resource lookup over the compiled .res format: a sequence of entries, each a header (data
// size, header size, type, name, language) followed by its data, both DWORD-aligned. Strings
// are UTF-16 in the .res and come out of LoadStringA in code page 1252, as on Windows.
#include "HostResource.h"
#include "HostKernel.h"
#include "HostModule.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct HRSRC__
{
    std::u16string type; // empty when the type is an ordinal
    WORD wTypeId = 0;
    std::u16string name;
    WORD wNameId = 0;
    WORD wLanguage = 0;
    const BYTE* pData = nullptr;
    DWORD cbData = 0;
};

namespace
{
typedef const unsigned char* (*ResourceBlobProc)(unsigned int*);

DWORD ReadDword(const BYTE* p)
{
    return static_cast<DWORD>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24));
}

WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

// Reads a type or name field; returns the number of bytes it takes, 0 when it runs past the end.
size_t ReadNameOrId(const BYTE* p, const BYTE* pEnd, std::u16string& text, WORD& wId)
{
    if (pEnd - p >= 4 && ReadWord(p) == 0xFFFF)
    {
        wId = ReadWord(p + 2);
        return 4;
    }
    for (const BYTE* q = p; pEnd - q >= 2; q += 2)
    {
        const WORD c = ReadWord(q);
        if (c == 0)
        {
            return static_cast<size_t>(q + 2 - p);
        }
        text.push_back(static_cast<char16_t>(c));
    }
    return 0;
}

std::vector<HRSRC__> ParseRes(const BYTE* pBlob, size_t cbBlob)
{
    std::vector<HRSRC__> entries;
    const BYTE* const pEnd = pBlob + cbBlob;
    const BYTE* p = pBlob;
    while (pEnd - p >= 32)
    {
        const DWORD cbData = ReadDword(p);
        const DWORD cbHeader = ReadDword(p + 4);
        if (cbHeader < 32 || cbHeader > static_cast<size_t>(pEnd - p) ||
            cbData > static_cast<size_t>(pEnd - p) - cbHeader)
        {
            break;
        }
        HRSRC__ entry;
        const BYTE* q = p + 8;
        const BYTE* const pHeaderEnd = p + cbHeader;
        const size_t cbType = ReadNameOrId(q, pHeaderEnd, entry.type, entry.wTypeId);
        q += cbType;
        const size_t cbName = cbType ? ReadNameOrId(q, pHeaderEnd, entry.name, entry.wNameId) : 0;
        q += cbName;
        q = pBlob + ((q - pBlob + 3) & ~static_cast<ptrdiff_t>(3));
        if (cbName == 0 || pHeaderEnd - q < 16)
        {
            break;
        }
        entry.wLanguage = ReadWord(q + 6);
        entry.pData = pHeaderEnd;
        entry.cbData = cbData;
        if (!(entry.wTypeId == 0 && entry.type.empty()))
        {
            entries.push_back(entry);
        }
        const size_t next = static_cast<size_t>(pHeaderEnd - pBlob) + cbData;
        p = pBlob + ((next + 3) & ~static_cast<size_t>(3));
    }
    return entries;
}

const std::vector<HRSRC__>* ModuleResources(HMODULE hModule)
{
    static std::mutex lock;
    static std::map<const BYTE*, std::vector<HRSRC__>> cache;
    HostModule* pModule = HostModuleFromHandle(hModule);
    if (pModule == nullptr)
    {
        return nullptr;
    }
    auto pfnBlob = reinterpret_cast<ResourceBlobProc>(dlsym(pModule->pDl, "HostResourceBlob"));
    if (pfnBlob == nullptr)
    {
        return nullptr;
    }
    unsigned int cbBlob = 0;
    const BYTE* pBlob = pfnBlob(&cbBlob);
    std::lock_guard<std::mutex> guard(lock);
    auto it = cache.find(pBlob);
    if (it == cache.end())
    {
        it = cache.emplace(pBlob, ParseRes(pBlob, cbBlob)).first;
    }
    return &it->second;
}

bool Matches(const std::u16string& text, WORD wId, LPCSTR lpName)
{
    if (IS_INTRESOURCE(lpName))
    {
        return text.empty() && wId == LOWORD(reinterpret_cast<ULONG_PTR>(lpName));
    }
    if (lpName[0] == '#')
    {
        return text.empty() && wId == static_cast<WORD>(std::strtoul(lpName + 1, nullptr, 10));
    }
    if (text.size() != std::strlen(lpName))
    {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char16_t c = text[i];
        const char16_t u = (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 32) : c;
        const char n =
            (lpName[i] >= 'a' && lpName[i] <= 'z') ? static_cast<char>(lpName[i] - 32) : lpName[i];
        if (u != static_cast<unsigned char>(n))
        {
            return false;
        }
    }
    return true;
}

HRSRC Find(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const WORD* pwLanguage)
{
    const std::vector<HRSRC__>* pEntries = ModuleResources(hModule);
    if (pEntries == nullptr)
    {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    // Without a language the order is neutral, the user's Italian, then whatever comes first.
    const HRSRC__* pFound = nullptr;
    int nBestRank = 99;
    for (const HRSRC__& entry : *pEntries)
    {
        if (!Matches(entry.type, entry.wTypeId, lpType) ||
            !Matches(entry.name, entry.wNameId, lpName))
        {
            continue;
        }
        int nRank = 2;
        if (pwLanguage != nullptr)
        {
            nRank = entry.wLanguage == *pwLanguage ? 0 : 99;
        }
        else if (entry.wLanguage == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL))
        {
            nRank = 0;
        }
        else if (entry.wLanguage == MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN))
        {
            nRank = 1;
        }
        if (nRank < nBestRank)
        {
            nBestRank = nRank;
            pFound = &entry;
        }
    }
    if (pFound == nullptr)
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return const_cast<HRSRC>(pFound);
}

// Code page 1252 for the characters 0x80 to 0x9F; the rest of 0x00 to 0xFF equals Unicode.
const char16_t k1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char To1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i)
    {
        if (k1252High[i] == c)
        {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}
} // namespace

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType)
{
    return Find(hModule, lpType, lpName, nullptr);
}

HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage)
{
    return Find(hModule, lpType, lpName, &wLanguage);
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo)
{
    return hResInfo ? const_cast<BYTE*>(hResInfo->pData) : nullptr;
}

LPVOID LockResource(HGLOBAL hResData)
{
    return hResData;
}

DWORD SizeofResource(HMODULE, HRSRC hResInfo)
{
    return hResInfo ? hResInfo->cbData : 0;
}

int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax)
{
    if (lpBuffer == nullptr || cchBufferMax <= 0)
    {
        return 0;
    }
    lpBuffer[0] = '\0';
    HRSRC hBlock = FindResourceA(hInstance, MAKEINTRESOURCE((uID >> 4) + 1), RT_STRING);
    if (hBlock == nullptr)
    {
        return 0;
    }
    const BYTE* p = hBlock->pData;
    const BYTE* const pEnd = p + hBlock->cbData;
    for (UINT i = 0; i < (uID & 15); ++i)
    {
        if (pEnd - p < 2)
        {
            return 0;
        }
        p += 2 + 2 * static_cast<size_t>(ReadWord(p));
    }
    if (pEnd - p < 2)
    {
        return 0;
    }
    const size_t cch = ReadWord(p);
    p += 2;
    if (static_cast<size_t>(pEnd - p) < 2 * cch)
    {
        return 0;
    }
    const size_t cchCopy = cch < static_cast<size_t>(cchBufferMax - 1) ? cch : cchBufferMax - 1;
    for (size_t i = 0; i < cchCopy; ++i)
    {
        lpBuffer[i] = To1252(static_cast<char16_t>(ReadWord(p + 2 * i)));
    }
    lpBuffer[cchCopy] = '\0';
    return static_cast<int>(cchCopy);
}
