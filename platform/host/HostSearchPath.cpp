// SearchPathA without a path searches where Windows would for a program: the program's own
// directory, the current directory, then every directory of PATH.
#include "HostKernel.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
std::string ProgramDirectory()
{
    char szExe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", szExe, sizeof szExe - 1);
    if (n <= 0)
    {
        return std::string();
    }
    std::string path(szExe, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

std::vector<std::string> SearchDirectories(LPCSTR lpPath)
{
    std::vector<std::string> dirs;
    std::string list;
    if (lpPath != nullptr)
    {
        list = lpPath;
    }
    else
    {
        dirs.push_back(ProgramDirectory());
        dirs.emplace_back(".");
        const char* pszPath = std::getenv("PATH");
        list = pszPath ? pszPath : "";
    }
    size_t start = 0;
    while (start <= list.size())
    {
        const size_t end = list.find_first_of(":;", start);
        const std::string dir = list.substr(start, end == std::string::npos ? end : end - start);
        if (!dir.empty())
        {
            dirs.push_back(dir);
        }
        if (end == std::string::npos)
        {
            break;
        }
        start = end + 1;
    }
    return dirs;
}

bool IsRegularFile(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}
} // namespace

DWORD SearchPathA(LPCSTR lpPath, LPCSTR lpFileName, LPCSTR lpExtension, DWORD nBufferLength,
                  LPSTR lpBuffer, LPSTR* lpFilePart)
{
    if (lpFileName == nullptr || *lpFileName == '\0')
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string name = lpFileName;
    if (lpExtension != nullptr && name.find('.') == std::string::npos)
    {
        name += lpExtension;
    }
    std::vector<std::string> candidates;
    if (name.find('/') != std::string::npos)
    {
        candidates.push_back(name);
    }
    else
    {
        for (const std::string& dir : SearchDirectories(lpPath))
        {
            candidates.push_back(dir);
            candidates.back().append("/").append(name);
        }
    }
    for (const std::string& candidate : candidates)
    {
        if (!IsRegularFile(candidate))
        {
            continue;
        }
        char szFull[PATH_MAX];
        const std::string full = realpath(candidate.c_str(), szFull) ? szFull : candidate;
        if (full.size() + 1 > nBufferLength)
        {
            return static_cast<DWORD>(full.size() + 1);
        }
        std::memcpy(lpBuffer, full.c_str(), full.size() + 1);
        if (lpFilePart != nullptr)
        {
            *lpFilePart = lpBuffer + full.rfind('/') + 1;
        }
        return static_cast<DWORD>(full.size());
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
}
