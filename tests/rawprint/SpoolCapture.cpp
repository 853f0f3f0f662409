#include "SpoolCapture.h"

#ifdef _WIN32
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
// SPOOL_CAPTURE holds a Unix path for the port's shell; Wine's drive Z: is the Unix root.
std::string CapturePath()
{
    const char* pszPath = std::getenv("SPOOL_CAPTURE");
    if (pszPath == nullptr || *pszPath == '\0')
    {
        return std::string();
    }
    return *pszPath == '/' ? std::string("Z:") + pszPath : std::string(pszPath);
}
} // namespace

bool SpoolCapture::Clear()
{
    const std::string path = CapturePath();
    if (path.empty())
    {
        return false;
    }
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (pFile == nullptr)
    {
        return false;
    }
    std::fclose(pFile);
    return true;
}

std::vector<BYTE> SpoolCapture::Bytes()
{
    std::vector<BYTE> bytes;
    std::FILE* pFile = std::fopen(CapturePath().c_str(), "rb");
    if (pFile == nullptr)
    {
        return bytes;
    }
    BYTE ab[4096];
    size_t cb = 0;
    while ((cb = std::fread(ab, 1, sizeof(ab), pFile)) != 0)
    {
        bytes.insert(bytes.end(), ab, ab + cb);
    }
    std::fclose(pFile);
    return bytes;
}
#else
#include "platform/host/HostSpoolerLog.h"

bool SpoolCapture::Clear()
{
    HostResetSpooler();
    HostAddPrinter(PRINTER_NAME);
    return true;
}

std::vector<BYTE> SpoolCapture::Bytes()
{
    return HostPrinterOutput(PRINTER_NAME);
}
#endif
