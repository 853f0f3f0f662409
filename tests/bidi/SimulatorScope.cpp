#include "SimulatorScope.h"
#include "platform/Win32Api.h"

#include <cstdio>
#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace
{
#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr char kListSeparator = ';';
unsigned long ProcessId()
{
    return GetCurrentProcessId();
}
#else
constexpr char kSeparator = '/';
constexpr char kListSeparator = ':';
unsigned long ProcessId()
{
    return static_cast<unsigned long>(getpid());
}
#endif

// A file name of the current directory that no other scope, test or process uses.
std::string UniqueFileName(const char* pszExtension)
{
    static int s_nScopes = 0;
    return "kwsim-" + std::to_string(ProcessId()) + "-" + std::to_string(++s_nScopes) +
           pszExtension;
}

std::string ReadFile(const std::string& path)
{
    std::string content;
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    if (pFile == nullptr)
    {
        return content;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
    {
        content.append(buffer, n);
    }
    std::fclose(pFile);
    return content;
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (pFile != nullptr)
    {
        std::fwrite(content.data(), 1, content.size(), pFile);
        std::fclose(pFile);
    }
}
} // namespace

std::string TestGetEnvironment(const char* pszName)
{
#ifdef _WIN32
    char szValue[32768];
    const DWORD cch = GetEnvironmentVariableA(pszName, szValue, sizeof szValue);
    return cch > 0 && cch < sizeof szValue ? std::string(szValue, cch) : std::string();
#else
    const char* pszValue = std::getenv(pszName);
    return pszValue ? pszValue : "";
#endif
}

void TestSetEnvironment(const char* pszName, const char* pszValue)
{
#ifdef _WIN32
    SetEnvironmentVariableA(pszName, pszValue);
#else
    if (pszValue != nullptr)
    {
        setenv(pszName, pszValue, 1);
    }
    else
    {
        unsetenv(pszName);
    }
#endif
}

std::string SimulatorScope::SimDirectory()
{
    // The program runs from bin/; sim/ is its sibling.
    char szProgram[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string path = szProgram;
    for (int i = 0; i < 2; ++i)
    {
        const size_t slash = path.find_last_of("/\\");
        path = slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    return path + kSeparator + "sim" + kSeparator;
}

SimulatorScope::SimulatorScope(const std::string& variant)
    : m_oldPath(TestGetEnvironment("PATH")), m_bHadPath(!m_oldPath.empty()),
      m_logPath(UniqueFileName(".log"))
{
    const std::string path =
        SimDirectory() + variant + (m_bHadPath ? std::string(1, kListSeparator) + m_oldPath : "");
    TestSetEnvironment("PATH", path.c_str());
    TestSetEnvironment("KWSIM_LOG", m_logPath.c_str());
    TestSetEnvironment("KWSIM_PROFILE", nullptr);
    std::remove(m_logPath.c_str());
}

SimulatorScope::~SimulatorScope()
{
    TestSetEnvironment("PATH", m_bHadPath ? m_oldPath.c_str() : nullptr);
    TestSetEnvironment("KWSIM_LOG", nullptr);
    TestSetEnvironment("KWSIM_PROFILE", nullptr);
    std::remove(m_logPath.c_str());
    if (!m_profilePath.empty())
    {
        std::remove(m_profilePath.c_str());
    }
}

void SimulatorScope::UseProfileText(const std::string& text)
{
    if (m_profilePath.empty())
    {
        m_profilePath = UniqueFileName(".profile");
    }
    WriteFile(m_profilePath, text);
    TestSetEnvironment("KWSIM_PROFILE", m_profilePath.c_str());
}

void SimulatorScope::UseProfileFile(const std::string& name)
{
    const std::string path = SimDirectory() + "profiles" + kSeparator + name;
    TestSetEnvironment("KWSIM_PROFILE", path.c_str());
}

std::vector<std::string> SimulatorScope::Log() const
{
    std::vector<std::string> lines;
    const std::string content = ReadFile(m_logPath);
    size_t start = 0;
    while (start < content.size())
    {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
        {
            end = content.size();
        }
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SimulatorScope::Calls() const
{
    std::vector<std::string> calls;
    for (const std::string& line : Log())
    {
        if (line.compare(0, 8, "DllMain(") == 0)
        {
            calls.push_back(line.substr(0, line.find(')') + 1));
            continue;
        }
        const size_t paren = line.find('(');
        const bool bCall =
            paren != std::string::npos &&
            line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") == paren;
        calls.push_back(bCall ? line.substr(0, paren) : line);
    }
    return calls;
}

int SimulatorScope::CountLines(const std::string& prefix) const
{
    int n = 0;
    for (const std::string& line : Log())
    {
        n += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    }
    return n;
}
