#include "HostHelpLog.h"
#include "HostUser.h"

namespace
{
struct HelpState
{
    std::vector<HostHelpCall> calls;
    bool bAvailable = true;
};

HelpState& State()
{
    static HelpState state;
    return state;
}
} // namespace

const std::vector<HostHelpCall>& HostHelpCalls()
{
    return State().calls;
}

void HostResetHelp()
{
    State().calls.clear();
    State().bAvailable = true;
}

void HostSetHelpAvailable(bool bAvailable)
{
    State().bAvailable = bAvailable;
}

BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    State().calls.push_back({hWndMain, lpszHelp ? lpszHelp : "", uCommand, dwData});
    return State().bAvailable ? TRUE : FALSE;
}
