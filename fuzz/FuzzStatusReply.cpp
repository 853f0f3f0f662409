// libFuzzer target: the status reply parser and the two helpers it stands on, CMisc::FindBytes
// and CMisc::HexToInt, each against a plain reference written here. Every buffer handed to the
// code under test lies in a heap block of exactly its size, so that the address sanitizer
// catches a read beyond it.
//
// Input: byte 0 chooses the record's flags (bits 0 to 2) and the pattern length for FindBytes
// (bits 3 to 5); the rest is the status reply.
#include "module/bidi/StatusReplyParser.h"
#include "module/support/Misc.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{
[[noreturn]] void Mismatch(const char* pszWhat)
{
    std::fprintf(stderr, "reference mismatch: %s\n", pszWhat);
    std::abort();
}

// A copy in a block of its own size.
std::unique_ptr<BYTE[]> Exact(const uint8_t* p, size_t n)
{
    std::unique_ptr<BYTE[]> copy(new BYTE[n ? n : 1]);
    std::memcpy(copy.get(), p, n);
    return copy;
}

// The reference parser: the first occurrence of each key, its item whole inside the reply.
const uint8_t* RefItem(const uint8_t* p, size_t n, const char* pszKey, size_t cbItem)
{
    const uint8_t* it = std::search(p, p + n, pszKey, pszKey + 3);
    return it != p + n && static_cast<size_t>(p + n - it) >= cbItem ? it : nullptr;
}

std::string RefText(const uint8_t* p, size_t cb)
{
    std::string text;
    for (size_t i = 0; i < cb && p[i] != 0; ++i)
    {
        const char ch = static_cast<char>(p[i]);
        text += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
    }
    return text;
}

DWORD RefValue(const uint8_t* p)
{
    const std::string text = RefText(p, 2);
    if (text.empty() || text == "NA" ||
        !std::all_of(text.begin(), text.end(),
                     [](char ch) { return std::isxdigit(static_cast<unsigned char>(ch)) != 0; }))
    {
        return 0;
    }
    return static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 16));
}

BOOL RefParse(const uint8_t* p, size_t n, PRINTER_INF& inf)
{
    BOOL bResult = TRUE;
    if (inf.dwIdFlag != 0)
    {
        const uint8_t* pItem = RefItem(p, n, "CW:", 5 + 2 * PRINTER_ID_COUNT);
        bResult = pItem != nullptr && bResult;
        for (DWORD k = 0; pItem != nullptr && k < PRINTER_ID_COUNT; ++k)
        {
            inf.dwId[k] = RefValue(pItem + 5 + 2 * k);
        }
    }
    const size_t cbOptionItem = 5 + 8 * OPTION_ENTRY_COUNT + 2;
    const uint8_t* pOption = RefItem(p, n, "CD:", cbOptionItem);
    if (inf.dwOpt1Flag != 0)
    {
        bResult = pOption != nullptr && bResult;
        if (pOption != nullptr)
        {
            inf.dwOpt1Value = RefValue(pOption + 5 + 8 * OPTION_ENTRY_COUNT);
        }
    }
    if (inf.dwOpt2Flag != 0)
    {
        bResult = pOption != nullptr && bResult;
        if (pOption != nullptr)
        {
            DWORD nAvailable = 0;
            for (DWORD j = 1; j < OPTION_ENTRY_COUNT; ++j)
            {
                const uint8_t* e = pOption + 5 + 8 * j;
                nAvailable += RefText(e, 4) != "NAVL" && RefText(e + 4, 2) != "NA" &&
                                      RefText(e + 6, 2) != "NA"
                                  ? 1
                                  : 0;
            }
            inf.dwOpt2Value = nAvailable;
        }
    }
    return bResult;
}

void CheckParser(uint8_t flags, const uint8_t* p, size_t n)
{
    PRINTER_INF inf;
    DWORD* fields = &inf.dwIdFlag;
    for (DWORD i = 0; i < 12; ++i)
    {
        fields[i] = 0xDEAD0000u + i;
    }
    inf.dwIdFlag = flags & 1;
    inf.dwOpt1Flag = (flags >> 1) & 1;
    inf.dwOpt2Flag = (flags >> 2) & 1;
    PRINTER_INF expected = inf;
    const BOOL bExpected = RefParse(p, n, expected);

    const std::unique_ptr<BYTE[]> reply = Exact(p, n);
    const BOOL bResult = ParseStatusReply(n ? reply.get() : nullptr, static_cast<DWORD>(n), &inf);
    if (bResult != bExpected)
    {
        Mismatch("ParseStatusReply result");
    }
    if (std::memcmp(&inf, &expected, sizeof inf) != 0)
    {
        Mismatch("ParseStatusReply record");
    }
}

void CheckFindBytes(size_t cbPattern, const uint8_t* p, size_t n)
{
    cbPattern = std::min(cbPattern, n);
    const std::unique_ptr<BYTE[]> pattern = Exact(p, cbPattern);
    const std::unique_ptr<BYTE[]> data = Exact(p + cbPattern, n - cbPattern);
    const DWORD cbData = static_cast<DWORD>(n - cbPattern);
    CMisc misc;
    const BYTE* pFound = nullptr;
    const BOOL bFound =
        misc.FindBytes(data.get(), cbData, pattern.get(), static_cast<DWORD>(cbPattern), &pFound);
    const BYTE* pExpected =
        std::search(data.get(), data.get() + cbData, pattern.get(), pattern.get() + cbPattern);
    const bool bExpected = cbData != 0 && pExpected != data.get() + cbData;
    if (bFound != (bExpected ? 1 : 0) || (bFound && pFound != pExpected) || (!bFound && pFound))
    {
        Mismatch("FindBytes");
    }
}

void CheckHexToInt(const uint8_t* p, size_t n)
{
    const size_t cch = std::min<size_t>(n, 10);
    std::unique_ptr<char[]> text(new char[cch + 1]);
    std::memcpy(text.get(), p, cch);
    text[cch] = '\0';
    const size_t len = std::strlen(text.get());
    const bool bValid =
        len >= 1 && len <= 8 &&
        std::all_of(text.get(), text.get() + len,
                    [](char ch) { return std::isxdigit(static_cast<unsigned char>(ch)) != 0; });
    CMisc misc;
    DWORD dwValue = 0x12345678;
    const BOOL bOk = misc.HexToInt(text.get(), &dwValue);
    if (bOk != (bValid ? 1 : 0) ||
        (bValid && dwValue != static_cast<DWORD>(std::strtoul(text.get(), nullptr, 16))) ||
        (!bValid && dwValue != 0x12345678))
    {
        Mismatch("HexToInt");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
    {
        return 0;
    }
    const uint8_t control = data[0];
    CheckParser(control, data + 1, size - 1);
    CheckFindBytes((control >> 3) & 7, data + 1, size - 1);
    CheckHexToInt(data + 1, size - 1);
    return 0;
}
