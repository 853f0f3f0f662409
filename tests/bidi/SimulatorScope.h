// Puts the printer simulator in front of the library search path for the life of one object.
//
// The simulator's variants live in sim/<variant>/KWAPI.DLL beside bin/ (sim/default has every
// function, sim/no-<function> lacks that export). The scope prepends the variant's directory to
// PATH, which both the host's and Windows' bare-name library search read at each call; points
// KWSIM_LOG at a fresh call log of its own; and, when a profile is given, points KWSIM_PROFILE at
// it (without one the simulator reads the variant's kwsim.profile, the default printer). The
// profile is read when the library is loaded, so choose it before. Everything is restored and
// the files are removed at the end of the scope.
#pragma once

#include <string>
#include <vector>

class SimulatorScope
{
public:
    explicit SimulatorScope(const std::string& variant = "default");
    SimulatorScope(const SimulatorScope&) = delete;
    SimulatorScope& operator=(const SimulatorScope&) = delete;
    ~SimulatorScope();

    // A profile given as its text, written to a file of this scope's own.
    void UseProfileText(const std::string& text);
    // One of the profiles of simulator/profiles, by file name (e.g. "vj-8200q.profile").
    void UseProfileFile(const std::string& name);

    // The call log's lines so far.
    std::vector<std::string> Log() const;
    // The log reduced to what was called: "KWGetStatus" for "KWGetStatus(1, null, 0) = -4, ...",
    // "DllMain(attach)" and "DllMain(detach)"; other lines as they are.
    std::vector<std::string> Calls() const;
    // How many lines of the log begin with the text.
    int CountLines(const std::string& prefix) const;

    // The build's sim/ directory, with a trailing separator.
    static std::string SimDirectory();

private:
    std::string m_oldPath;
    bool m_bHadPath;
    std::string m_logPath;
    std::string m_profilePath;
};

// A portable environment, as the simulator reads it.
std::string TestGetEnvironment(const char* pszName);
void TestSetEnvironment(const char* pszName, const char* pszValue); // null removes it
