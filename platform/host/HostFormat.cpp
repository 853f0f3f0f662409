// wsprintfA with the Windows rules: at most 1024 characters, integers are 32 bits whether or not
// an 'l' is given, no floating point.
#include "HostUser.h"

#include <cstdio>
#include <string>

namespace
{
constexpr size_t kMaxOutput = 1024;
}

int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist)
{
    std::string out;
    for (const char* p = lpFmt; *p != '\0' && out.size() < kMaxOutput; ++p)
    {
        if (*p != '%')
        {
            out += *p;
            continue;
        }
        std::string conversion = "%";
        ++p;
        while (*p == '-' || *p == '#' || *p == '0')
        {
            conversion += *p++;
        }
        while (*p >= '0' && *p <= '9')
        {
            conversion += *p++;
        }
        if (*p == '.')
        {
            conversion += *p++;
            while (*p >= '0' && *p <= '9')
            {
                conversion += *p++;
            }
        }
        bool bShort = false;
        if (*p == 'l' || *p == 'h')
        {
            bShort = *p == 'h';
            ++p;
        }
        char szPiece[kMaxOutput + 1];
        szPiece[0] = '\0';
        switch (*p)
        {
        case 'd':
        case 'i':
        {
            int n = va_arg(arglist, int);
            std::snprintf(szPiece, sizeof szPiece, (conversion + 'd').c_str(),
                          bShort ? static_cast<short>(n) : n);
            break;
        }
        case 'u':
        case 'x':
        case 'X':
        {
            unsigned n = va_arg(arglist, unsigned);
            std::snprintf(szPiece, sizeof szPiece, (conversion + *p).c_str(),
                          bShort ? static_cast<unsigned short>(n) : n);
            break;
        }
        case 'c':
            std::snprintf(szPiece, sizeof szPiece, (conversion + 'c').c_str(), va_arg(arglist, int));
            break;
        case 's':
        {
            const char* s = va_arg(arglist, const char*);
            std::snprintf(szPiece, sizeof szPiece, (conversion + 's').c_str(), s ? s : "(null)");
            break;
        }
        case '\0':
            --p;
            break;
        default:
            szPiece[0] = *p;
            szPiece[1] = '\0';
            break;
        }
        out += szPiece;
    }
    if (out.size() > kMaxOutput)
    {
        out.resize(kMaxOutput);
    }
    out.copy(lpOut, out.size());
    lpOut[out.size()] = '\0';
    return static_cast<int>(out.size());
}

int wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...)
{
    va_list args;
    va_start(args, lpFmt);
    const int n = wvsprintfA(lpOut, lpFmt, args);
    va_end(args);
    return n;
}
