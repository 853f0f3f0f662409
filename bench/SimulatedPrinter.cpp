#include "SimulatedPrinter.h"

#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

void UseSimulatedPrinter()
{
    char szExe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", szExe, sizeof szExe - 1);
    std::string build(szExe, n > 0 ? static_cast<size_t>(n) : 0);
    build.resize(build.rfind('/')); // bin
    build.resize(build.rfind('/')); // the build directory
    const char* pszPath = std::getenv("PATH");
    const std::string path = build + "/sim/default:" + (pszPath ? pszPath : "");
    setenv("PATH", path.c_str(), 1);
    unsetenv("KWSIM_LOG");
    unsetenv("KWSIM_PROFILE");
}
