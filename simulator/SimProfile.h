// The simulator's profile: what the simulated printer answers and which results are injected.
// The format is described in simulator/README.md.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SimChannel
{
    uint32_t dwId;
    uint16_t wFlags;
};

class SimProfile
{
public:
    // Reads the file; a file that cannot be opened leaves an empty profile and returns false.
    // Lines it cannot use are skipped and described in m_errors.
    bool Load(const std::string& path);

    // An empty m_printer (or "*") accepts every printer name; otherwise the name must match
    // without regard to ASCII letter case.
    bool AcceptsPrinter(const char* pszName) const;
    // The reply of a channel: its own status line, else the default one, else empty.
    std::string StatusOf(uint32_t dwChannelId) const;
    // An injected number for the n-th call (from 1) of a function: "F#n.<rest>" before "F.<rest>",
    // where rest is "result" or "<phase>.<field>" (phase size or fetch; field result, count or
    // bytes).
    bool Injected(const char* pszFunction, int nCall, const char* pszRest, int64_t* pnValue) const;

    std::string m_printer;
    std::string m_deviceId;
    std::vector<SimChannel> m_channels;
    std::vector<std::string> m_errors;

private:
    bool ParseInjection(const std::string& key, const std::string& value);

    std::string m_defaultStatus;
    std::map<uint32_t, std::string> m_status;
    std::map<std::string, int64_t> m_injections;
};
