#include "SimProfile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char* const kBufferFunctions[] = {"KWGetDeviceID", "KWGetAvailableChannel", "KWGetStatus"};
const char* const kPlainFunctions[] = {"KWInitialize", "KWRelease", "KWOpenChannel",
                                       "KWCloseChannel"};

bool IsOneOf(const std::string& name, const char* const* ppNames, size_t nNames)
{
    for (size_t i = 0; i < nNames; ++i)
    {
        if (name == ppNames[i])
        {
            return true;
        }
    }
    return false;
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
    {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
    {
        --last;
    }
    return text.substr(first, last - first);
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
    {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f')
    {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F')
    {
        return ch - 'A' + 10;
    }
    return -1;
}

// Decodes \\ \r \n \t \0 and \xHH; false for any other escape.
bool Unescape(const std::string& text, std::string& bytes)
{
    bytes.clear();
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\\')
        {
            bytes += text[i];
            continue;
        }
        if (++i == text.size())
        {
            return false;
        }
        switch (text[i])
        {
        case '\\':
            bytes += '\\';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 't':
            bytes += '\t';
            break;
        case '0':
            bytes += '\0';
            break;
        case 'x':
        {
            const int nHigh = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            const int nLow = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (nHigh < 0 || nLow < 0)
            {
                return false;
            }
            bytes += static_cast<char>(nHigh * 16 + nLow);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

// A signed number in decimal or, after 0x, hexadecimal; 0xFFFFFFFF and the like are allowed.
bool ParseNumber(const std::string& text, int64_t* pnValue)
{
    if (text.empty())
    {
        return false;
    }
    const size_t digits = text[0] == '-' ? 1 : 0;
    const bool bHex = text.compare(digits, 2, "0x") == 0 || text.compare(digits, 2, "0X") == 0;
    errno = 0;
    char* pEnd = nullptr;
    const long long n = std::strtoll(text.c_str(), &pEnd, bHex ? 16 : 10);
    if (errno != 0 || *pEnd != '\0')
    {
        return false;
    }
    *pnValue = n;
    return true;
}
} // namespace

bool SimProfile::Load(const std::string& path)
{
    *this = SimProfile();
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    if (pFile == nullptr)
    {
        return false;
    }
    std::string content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
    {
        content.append(buffer, n);
    }
    std::fclose(pFile);

    size_t start = 0;
    int nLine = 0;
    while (start < content.size())
    {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
        {
            end = content.size();
        }
        const std::string line = Trim(content.substr(start, end - start));
        start = end + 1;
        ++nLine;
        if (line.empty() || line[0] == '#')
        {
            continue;
        }
        const size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? line : Trim(line.substr(0, equals));
        std::string value;
        if (equals == std::string::npos || !Unescape(Trim(line.substr(equals + 1)), value))
        {
            m_errors.push_back("line " + std::to_string(nLine) + ": not key = value");
            continue;
        }
        bool bUsed = true;
        if (key == "printer")
        {
            m_printer = value == "*" ? std::string() : value;
        }
        else if (key == "device_id")
        {
            m_deviceId = value;
        }
        else if (key == "channel")
        {
            int64_t nId = 0;
            int64_t nFlags = 0;
            const size_t blank = value.find_first_of(" \t");
            bUsed = blank != std::string::npos && ParseNumber(value.substr(0, blank), &nId) &&
                    ParseNumber(Trim(value.substr(blank)), &nFlags);
            if (bUsed)
            {
                m_channels.push_back({static_cast<uint32_t>(nId), static_cast<uint16_t>(nFlags)});
            }
        }
        else if (key == "status")
        {
            m_defaultStatus = value;
        }
        else if (key.compare(0, 7, "status.") == 0)
        {
            int64_t nId = 0;
            bUsed = ParseNumber(key.substr(7), &nId);
            if (bUsed)
            {
                m_status[static_cast<uint32_t>(nId)] = value;
            }
        }
        else
        {
            bUsed = ParseInjection(key, value);
        }
        if (!bUsed)
        {
            m_errors.push_back("line " + std::to_string(nLine) + ": cannot use " + key);
        }
    }
    return true;
}

bool SimProfile::ParseInjection(const std::string& key, const std::string& value)
{
    int64_t nValue = 0;
    if (!ParseNumber(value, &nValue))
    {
        return false;
    }
    const size_t dot = key.find('.');
    if (dot == std::string::npos)
    {
        return false;
    }
    std::string function = key.substr(0, dot);
    const std::string rest = key.substr(dot + 1);
    std::string callSuffix;
    const size_t hash = function.find('#');
    if (hash != std::string::npos)
    {
        int64_t nCall = 0;
        if (!ParseNumber(function.substr(hash + 1), &nCall) || nCall < 1)
        {
            return false;
        }
        function.erase(hash);
        callSuffix = "#" + std::to_string(nCall);
    }
    const bool bBuffer = IsOneOf(function, kBufferFunctions, 3);
    const bool bPlain = IsOneOf(function, kPlainFunctions, 4);
    const bool bRestFits = bPlain ? rest == "result"
                                  : bBuffer && (rest == "size.result" || rest == "size.count" ||
                                                rest == "fetch.result" || rest == "fetch.count" ||
                                                rest == "fetch.bytes");
    if (!bRestFits)
    {
        return false;
    }
    m_injections[function + callSuffix + "." + rest] = nValue;
    return true;
}

bool SimProfile::AcceptsPrinter(const char* pszName) const
{
    if (m_printer.empty())
    {
        return true;
    }
    if (pszName == nullptr || std::strlen(pszName) != m_printer.size())
    {
        return false;
    }
    for (size_t i = 0; i < m_printer.size(); ++i)
    {
        if (std::tolower(static_cast<unsigned char>(pszName[i])) !=
            std::tolower(static_cast<unsigned char>(m_printer[i])))
        {
            return false;
        }
    }
    return true;
}

std::string SimProfile::StatusOf(uint32_t dwChannelId) const
{
    const auto it = m_status.find(dwChannelId);
    return it != m_status.end() ? it->second : m_defaultStatus;
}

bool SimProfile::Injected(const char* pszFunction, int nCall, const char* pszRest,
                          int64_t* pnValue) const
{
    const std::string numbered =
        std::string(pszFunction) + "#" + std::to_string(nCall) + "." + pszRest;
    auto it = m_injections.find(numbered);
    if (it == m_injections.end())
    {
        it = m_injections.find(std::string(pszFunction) + "." + pszRest);
    }
    if (it == m_injections.end())
    {
        return false;
    }
    *pnValue = it->second;
    return true;
}
