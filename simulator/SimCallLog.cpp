#include "SimCallLog.h"
#include "SimEnvironment.h"

#include <cstdarg>
#include <cstdio>

void SimLog(const char* pszFormat, ...)
{
    const std::string path = SimGetEnvironment("KWSIM_LOG");
    if (path.empty())
    {
        return;
    }
    // Opened for each line, so that the log is complete whenever a test reads it.
    std::FILE* pFile = std::fopen(path.c_str(), "ab");
    if (pFile == nullptr)
    {
        return;
    }
    va_list args;
    va_start(args, pszFormat);
    std::vfprintf(pFile, pszFormat, args);
    va_end(args);
    std::fputc('\n', pFile);
    std::fclose(pFile);
}

std::string SimQuote(const char* psz)
{
    if (psz == nullptr)
    {
        return "null";
    }
    std::string text = "\"";
    for (; *psz != '\0'; ++psz)
    {
        const unsigned char ch = static_cast<unsigned char>(*psz);
        if (ch == '"' || ch == '\\')
        {
            text += '\\';
            text += static_cast<char>(ch);
        }
        else if (ch < 0x20 || ch >= 0x7F)
        {
            char szHex[8];
            std::snprintf(szHex, sizeof szHex, "\\x%02X", ch);
            text += szHex;
        }
        else
        {
            text += static_cast<char>(ch);
        }
    }
    return text + "\"";
}
