// The host's help engine records each WinHelpA call; a test can make it unavailable.
#pragma once

#include "HostTypes.h"

#include <string>
#include <vector>

struct HostHelpCall
{
    HWND hWndMain;
    std::string helpFile;
    UINT uCommand;
    ULONG_PTR dwData;
};

QZHOST_CXX const std::vector<HostHelpCall>& HostHelpCalls();
QZHOST_CXX void HostResetHelp();
// While unavailable, WinHelpA records the call and fails, as when the engine cannot start.
QZHOST_CXX void HostSetHelpAvailable(bool bAvailable);
