// The host's message boxes show nothing: each call is recorded with its exact arguments and
// answered from a script (IDOK when the script is empty), so tests see every box a flow opens.
#pragma once

#include "HostTypes.h"

#include <string>
#include <vector>

struct HostMessageBoxCall
{
    HWND hWndOwner;
    std::string text;    // the bytes passed, in the caller's code page
    std::string caption; // empty for a null caption
    bool bNullCaption;
    UINT uType;
};

QZHOST_CXX const std::vector<HostMessageBoxCall>& HostMessageBoxCalls();
QZHOST_CXX void HostResetMessageBoxes();
// The next message box returns nAnswer; answers queue up in order.
QZHOST_CXX void HostQueueMessageBoxAnswer(int nAnswer);
